#pragma once
// CProgressDialog: a small modeless window that says what the program is
// busy with while it works (template 434 "Loading the dictionary..." with the
// animation 434, template 433 "Saving your changes to the dictionary...").
#include <memory>

#include "framework/Progress.h"
#include "framework/Window.h"

class CProgressDialog final : public CProgressSink {
public:
    explicit CProgressDialog(unsigned templateId, unsigned animationId = 0);
    ~CProgressDialog() override;
    CProgressDialog(const CProgressDialog&) = delete;
    CProgressDialog& operator=(const CProgressDialog&) = delete;

    // Shows the dialog over `parent`; false without a parent or for an unknown template.
    virtual bool Create(HWND parent);
    virtual void Destroy();
    bool IsShown() const;
    // Lets the animation move on during long work (the work calls it now and then).
    void Pump() override;

private:
    struct Impl;
    unsigned m_templateId;
    unsigned m_animationId;
    std::unique_ptr<Impl> m_impl;
};
