#pragma once
// CTooltips: a game's tools on the window's one tooltip control. Every tool
// a game adds is removed again when the game goes, so a deleted game's
// tooltips never show.
#include <map>
#include <string>

#include "framework/Window.h"

class CTooltips {
public:
    CTooltips() = default;
    ~CTooltips();
    CTooltips(const CTooltips&) = delete;
    CTooltips& operator=(const CTooltips&) = delete;

    void Create(HWND owner);
    HWND Owner() const { return m_owner; }
    void Activate(bool active);
    bool IsActive() const { return m_active; }
    // The text is string resource `textId`. With `update` only the rectangle
    // of an existing tool changes.
    void AddTool(const RECT& rect, unsigned textId, unsigned toolId, bool update = false);
    void AddToolAt(int x, int y, int w, int h, unsigned textId, unsigned toolId, bool update = false);
    void RemoveTool(unsigned toolId);
    void RemoveAll();
    bool HasTool(unsigned toolId) const { return m_tools.count(toolId) != 0; }

private:
    HWND m_owner = nullptr;
    bool m_active = false;
    std::map<unsigned, std::string> m_tools;  // tool id -> text
};
