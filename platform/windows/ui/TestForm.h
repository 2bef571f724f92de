#pragma once

#include "DialogWindow.h"
#include "PathPicture.h"

#include "PlugInEnvironment.h"

#include <memory>

namespace Quiverstep {

class DitherPlugIn;

// A developer's window that plays the host: guide start, guide error and image download
// through its own plug-in object's test modes, with each new target plotted on the grid.
class TestForm : public DialogWindow
{
public:
    enum Control : int {
        Command1 = 1401,
        Command2,
        Command3,
        Command4,
        Picture1,
        CustomPattern,
    };

    explicit TestForm(PlugInEnvironment &environment);
    ~TestForm() override;

    PathPicture *picture() const { return m_picture.get(); }

protected:
    void build() override;
    void onCommand(int id, int code, HWND control) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void CustomPattern_Click();

    PlugInEnvironment &m_environment;
    std::unique_ptr<DitherPlugIn> m_oPlugIn;
    std::unique_ptr<PathPicture> m_picture;
};

} // namespace Quiverstep
