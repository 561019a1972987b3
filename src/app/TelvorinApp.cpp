// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TelvorinApp.h"

#include "app/MainDialog.h"
#include "app/Translations.h"
#include "app/WindowServices.h"
#include "platform/TerminationSignals.h"
#include "resources/Templates.h"
#include "ui/Colours.h"

#include <QIcon>
#include <QLocale>
#include <QSocketNotifier>

namespace telvorin {

TelvorinApp::TelvorinApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // Captionless message boxes show the program's name. No display name is set: the
    // window system would append it to every caption ("Error — Telvorin").
    setApplicationName(QStringLiteral("telvorin"));
    setDesktopFileName(QStringLiteral("telvorin"));
    // The user's languages, the first we ship; English (no files loaded) otherwise.
    InstallTranslations(*this, ChooseLanguage(QLocale().uiLanguages()), InstalledTranslationsDir(),
                        QtTranslationsDir());
    EnsureResources();
    setWindowIcon(QIcon(QString::fromLatin1(AppIconSvg)));
}

int TelvorinApp::InitInstance()
{
    ProgramServices program;
    ApplyColourScheme(*this);

    // A termination request ends the program once the handler in progress is over; an
    // install sees the flag and ends its write, then tells the device to stop.
    CatchTerminationSignals();
    MainDialog dialog(program.services());
    int exitCode = 0;
    QSocketNotifier termination(TerminationNotifier(), QSocketNotifier::Read);
    connect(&termination, &QSocketNotifier::activated, this, [&termination, &exitCode, &dialog] {
        termination.setEnabled(false);
        exitCode = 128 + TerminationSignal().load();
        dialog.endOnTermination();
    });
    dialog.exec();
    return exitCode;
}

} // namespace telvorin
