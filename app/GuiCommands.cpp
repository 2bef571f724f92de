#include "GuiCommands.h"

#include "DitherTypeList.h"
#include "SettingsValidation.h"
#include "presenters/PathSimulatorPresenter.h"
#include "presenters/PatternEditorPresenter.h"
#include "presenters/TestFormPresenter.h"
#include "qt/QtApplication.h"
#include "qt/QtUserInterface.h"
#include "qt/SettingsDialog.h"
#include "qt/TimedMessage.h"

#include "DitherStepping.h"
#include "PosixPlatform.h"
#include "RecordingCamera.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>

#include <memory>
#include <ostream>

namespace Quiverstep {

namespace {

constexpr int ScreenshotSteps = 10;

struct GuiArguments
{
    std::string window;
    std::string screenshot;
};

// Lets the window lay itself out and paint before it is grabbed.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void saveScreenshot(QWidget &window, const std::string &file)
{
    settle();
    if (!window.grab().save(QString::fromStdString(file), "PNG"))
        throw std::runtime_error("cannot write the picture " + file);
}

void closeAllWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void waitUntilFinished(QDialog &window)
{
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void showSettings(QtUserInterface &ui, PlugInEnvironment &environment, const GuiArguments &a)
{
    if (a.screenshot.empty()) {
        ui.ShowSettings();
        return;
    }
    SettingsDialog &dialog = SettingsDialog::Instance(environment);
    dialog.show();
    saveScreenshot(dialog, a.screenshot);
    SettingsDialog::Unload();
}

void showEditor(CommandContext &context, const GuiArguments &a)
{
    PatternEditorPresenter presenter("New Pattern", "", true);
    QtWindowView editor(presenter);
    if (!a.screenshot.empty()) {
        editor.show();
        saveScreenshot(editor, a.screenshot);
        return;
    }
    editor.exec();
    // The pattern text the settings dialog would store.
    if (presenter.Saved())
        context.out << presenter.Name() << "\\" << presenter.Body() << '\n';
}

void showSimulator(CommandContext &context, PlugInEnvironment &environment, const GuiArguments &a)
{
    // As the dialog's Simulate... button: check and store the loaded settings, then open.
    SettingsDialog::Instance(environment);
    const SettingsView view = LoadSettingsView(Settings(environment.store));
    const SettingsInput input{view.maxDither, view.stepSize, view.ditherType, view.ao7, view.log};
    if (const auto problem = ValidateAndSave(input, environment.store, environment.process.spiral)) {
        SettingsDialog::Unload();
        context.err << *problem << '\n';
        context.status = 1;
        return;
    }
    {
        PathSimulatorPresenter presenter(environment,
                                         "Simulator - "
                                                 + view.list.entries[std::size_t(view.ditherType)],
                                         [&] { return view.stepSize; });
        QtWindowView simulator(presenter);
        if (a.screenshot.empty()) {
            simulator.exec();
        } else {
            int steps = 0;
            QEventLoop loop;
            QObject::connect(&simulator, &QtWindowView::positionPainted, &loop, [&] {
                if (++steps == ScreenshotSteps)
                    loop.quit();
            });
            simulator.show();
            loop.exec();
            saveScreenshot(simulator, a.screenshot);
            simulator.close();
        }
    }
    SettingsDialog::Unload();
}

void showTestForm(PlugInEnvironment &environment, const GuiArguments &a)
{
    TestFormPresenter presenter(environment);
    QtWindowView form(presenter);
    if (a.screenshot.empty()) {
        form.exec();
        return;
    }
    form.show();
    saveScreenshot(form, a.screenshot);
}

void showMessage(const GuiArguments &a)
{
    TimedMessage message;
    message.SetMessage(QString::fromStdString(BoxLimitMessage(4, 2, 32, 16)));
    message.show();
    if (!a.screenshot.empty())
        saveScreenshot(message, a.screenshot);
    else
        waitUntilFinished(message);
}

void runGui(CommandContext &context, const GuiArguments &a)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (!a.screenshot.empty())
            qputenv("QT_QPA_PLATFORM", "offscreen"); // a picture needs no display
        else if (qEnvironmentVariableIsEmpty("DISPLAY")
                 && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            throw std::runtime_error("no display to show the window on (use --screenshot FILE, "
                                     "or set QT_QPA_PLATFORM)");
    }
    EnsureQtApplication();

    QtUserInterface ui;
    RecordingCameraFactory cameras;
    cameras.SetAbsent(true); // no host: every camera access fails and is skipped
    PosixPlatform platform;
    PlugInEnvironment environment{context.store(),
                                  cameras,
                                  ui,
                                  platform.clock,
                                  context.process.random,
                                  platform.files,
                                  platform.paths,
                                  context.process};
    ui.Attach(environment);

    if (a.window == "settings")
        showSettings(ui, environment, a);
    else if (a.window == "editor")
        showEditor(context, a);
    else if (a.window == "simulator")
        showSimulator(context, environment, a);
    else if (a.window == "testform")
        showTestForm(environment, a);
    else
        showMessage(a);
    closeAllWindows();
}

} // namespace

void AddGuiCommands(CLI::App &app, CommandContext &context)
{
    auto arguments = std::make_shared<GuiArguments>();
    CLI::App *gui = app.add_subcommand("gui", "Open one of the windows as the host would");
    gui->add_option("WINDOW", arguments->window, "settings, editor, simulator, testform or message")
            ->required()
            ->check(CLI::IsMember({"settings", "editor", "simulator", "testform", "message"}));
    gui->add_option("--screenshot",
                    arguments->screenshot,
                    "Save the painted window as a PNG picture and exit; needs no display")
            ->type_name("FILE");
    gui->callback([&context, arguments] { runGui(context, *arguments); });
}

} // namespace Quiverstep
