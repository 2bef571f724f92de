#pragma once

#include "presenters/WindowDescription.h"
#include "presenters/WindowView.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <utility>

namespace Quiverstep {

// What a window does, without a toolkit: each toolkit makes one kind of window from the
// presenter's description and hands its events here. The window attaches itself before Load.
class WindowPresenter
{
public:
    explicit WindowPresenter(const WindowDescription &description)
        : m_description(description)
    {}
    virtual ~WindowPresenter() = default;
    WindowPresenter(const WindowPresenter &) = delete;
    WindowPresenter &operator=(const WindowPresenter &) = delete;

    const WindowDescription &Description() const { return m_description; }
    void Attach(WindowView &view) { m_view = &view; }

    // Once, when the window has been made.
    virtual void Load() {}
    // A button was clicked: its action, when it has one.
    void Clicked(int control)
    {
        if (const auto action = m_actions.find(control); action != m_actions.end())
            action->second();
    }
    // The user changed a list's selection.
    virtual void SelectionChanged(int) {}
    // A timer the presenter started ticked.
    virtual void Tick(int) {}
    // Escape (where the window has a cancel button) and the window frame.
    virtual void Cancel() { View().Close(false); }
    // The window has closed.
    virtual void Unload() {}

    WindowView &View() const
    {
        if (!m_view)
            throw std::logic_error(std::string(m_description.name) + " has no window");
        return *m_view;
    }

protected:
    // What each button does, by its id.
    void setActions(std::map<int, std::function<void()>> actions)
    {
        m_actions = std::move(actions);
    }

private:
    const WindowDescription &m_description;
    std::map<int, std::function<void()>> m_actions;
    WindowView *m_view = nullptr;
};

} // namespace Quiverstep
