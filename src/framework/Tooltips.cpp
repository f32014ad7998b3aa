#include "framework/Tooltips.h"

#include "framework/Resources.h"
#include "framework/Shell.h"

CTooltips::~CTooltips() { RemoveAll(); }

void CTooltips::Create(HWND owner)
{
    RemoveAll();
    m_owner = owner;
}

void CTooltips::Activate(bool active)
{
    m_active = active;
    if (m_owner)
        m_owner->ActivateTools(active);
}

void CTooltips::AddTool(const RECT& rect, unsigned textId, unsigned toolId, bool update)
{
    auto it = m_tools.find(toolId);
    const std::string text = update && it != m_tools.end() ? it->second : std::string(ResString(textId));
    m_tools[toolId] = text;
    if (m_owner)
        m_owner->AddTool(toolId, rect, text);
}

void CTooltips::AddToolAt(int x, int y, int w, int h, unsigned textId, unsigned toolId, bool update)
{
    AddTool(RECT{x, y, x + w, y + h}, textId, toolId, update);
}

void CTooltips::RemoveTool(unsigned toolId)
{
    if (m_tools.erase(toolId) != 0 && m_owner)
        m_owner->RemoveTool(toolId);
}

void CTooltips::RemoveAll()
{
    if (m_owner)
        for (const auto& tool : m_tools)
            m_owner->RemoveTool(tool.first);
    m_tools.clear();
}
