#pragma once
// CProgressDialog: a small modeless window that says what the program is
// busy with while it works (template 434 "Loading the dictionary..." with the
// animation 434, template 433 "Saving your changes to the dictionary...").
#include <memory>

#include "framework/Window.h"

class CProgressDialog {
public:
    explicit CProgressDialog(unsigned templateId, unsigned animationId = 0);
    virtual ~CProgressDialog();
    CProgressDialog(const CProgressDialog&) = delete;
    CProgressDialog& operator=(const CProgressDialog&) = delete;

    // Shows the dialog over `parent`; false without a parent or for an unknown template.
    virtual bool Create(HWND parent);
    virtual void Destroy();
    bool IsShown() const;
    // Lets the animation move on during long work (call it now and then).
    void Step();

private:
    struct Impl;
    unsigned m_templateId;
    unsigned m_animationId;
    std::unique_ptr<Impl> m_impl;
};
