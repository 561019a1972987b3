// SPDX-License-Identifier: GPL-3.0-or-later
// Renders each dialog of the program to a PNG under ${TELVORIN_BINARY_DIR}/screenshots,
// with a plain title strip showing the window's icon and caption. To add a dialog, add
// one row to Renders below. Run at scale factor 1, and again at 2 (files named "-2x").
#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "app/Translations.h"
#include "app/WindowServices.h"
#include "dialogs/LoginDialog.h"
#include "drives/CredentialPrompt.h"
#include "drives/MemoryDriveService.h"
#include "install/MemoryShare.h"
#include "installui/InstallDialog.h"
#include "installui/RestartDialog.h"
#include "lab/Lab.h"
#include "language/LanguageDialog.h"
#include "protocol/PosixSocketLayer.h"
#include "protocol/Protocol.h"
#include "ui/IpAddressEdit.h"
#include "ui/OfflineNetwork.h"
#include "ui/RecordingMessages.h"

#include "ThreeDevices.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QTranslator>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

using namespace telvorin;

namespace {

QString ScreenshotDir()
{
    const QByteArray build = qgetenv("TELVORIN_BINARY_DIR");
    return QDir(build.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(build))
        .filePath(QStringLiteral("screenshots"));
}

// The client area under a title strip, as a window manager would frame it, in device
// pixels: twice the size at a scale factor of 2.
QImage Frame(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    const QPixmap client = window.grab();
    const qreal scale = client.devicePixelRatio();
    const int strip = 24;
    QImage image(client.width(), client.height() + qRound(strip * scale), QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(0x3c, 0x3c, 0x3c));
    QPainter painter(&image);
    const int width = qRound(client.width() / scale);
    const QIcon icon = window.windowIcon();
    if (!icon.isNull())
        painter.drawPixmap(4, 4, icon.pixmap(16, 16));
    painter.setPen(Qt::white);
    painter.drawText(QRect(26, 0, width - 30, strip), Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
    painter.drawPixmap(0, strip, client);
    painter.end();
    window.hide();
    return image;
}

// Renders at a scale factor other than 1 get it in their name ("main-devices-2x").
void Save(const QImage& image, const QString& name)
{
    QDir().mkpath(ScreenshotDir());
    const qreal scale = image.devicePixelRatio();
    const QString suffix = scale == 1.0 ? QString() : QStringLiteral("-%1x").arg(scale);
    const QString path = QDir(ScreenshotDir()).filePath(name + suffix + QStringLiteral(".png"));
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    std::printf("rendered %s\n", qPrintable(path));
}

// Services for a window that searches a network with nothing on it.
struct OfflineServices {
    test::SilentSockets sockets;
    test::ManualClock clock;
    test::RecordingMessages messages;
    test::MemoryDriveService drives;
    WindowServices window{sockets, clock, {.messages = &messages, .drives = &drives}};

    OfflineServices()
    {
        drives.setDriveType("C:", DriveFixed);
        drives.mapDrive("Y:", "\\\\NAS-1\\HDD_a");
    }
    const MainServices& services() const { return window.services(); }
};

void AddRow(QTreeWidget* list, const QStringList& cells)
{
    new QTreeWidgetItem(list, cells);
}

QImage RenderMainEmpty()
{
    OfflineServices offline;
    MainDialog dialog(offline.services());
    return Frame(dialog);
}

// Grown by the user: the lists take the room, the rest moves along.
QImage RenderMainWide()
{
    OfflineServices offline;
    MainDialog dialog(offline.services());
    dialog.resize(dialog.minimumSize() + QSize(220, 160));
    return Frame(dialog);
}

// With devices from the lab when it can be built here, else with the panel filled in
// by hand as a click would fill it.
QImage RenderMainDevices()
{
    OfflineServices offline;
    if (lab::Lab::available(nullptr)) {
        lab::Lab lab(test::ThreeDevices);
        if (lab.ok()) {
            std::printf("main-devices: devices from the lab\n");
            lab.enterPc();
            PosixSocketLayer sockets;
            SteadyClock clock;
            WindowServices window(sockets, clock, {.messages = &offline.messages, .drives = &offline.drives});
            MainDialog dialog(window.services());
            dialog.OnInitDialog();
            auto* list = dialog.controls().deviceList;
            if (list->topLevelItemCount() > 0) {
                list->setCurrentItem(list->topLevelItem(0));
                const QRect row = list->visualItemRect(list->topLevelItem(0));
                QMouseEvent release(QEvent::MouseButtonRelease, row.center(),
                                    list->viewport()->mapToGlobal(row.center()), Qt::LeftButton, Qt::NoButton,
                                    Qt::NoModifier);
                QApplication::sendEvent(list->viewport(), &release);
            }
            QImage image = Frame(dialog);
            window.protocol().CloseTransport();
            lab.leavePc();
            return image;
        }
        std::printf("lab failed (%s); rendering a filled panel instead\n", lab.error().c_str());
    }

    std::printf("main-devices: panel filled by hand\n");
    MainDialog dialog(offline.services());
    dialog.OnInitDialog();
    const MainControls& c = dialog.controls();
    AddRow(c.deviceList, {QStringLiteral("NAS-1"), QStringLiteral("10.64.0.10"),
                          QStringLiteral("255.255.0.0"), QStringLiteral("10.64.0.1")});
    AddRow(c.deviceList, {QStringLiteral("Archive"), QStringLiteral("10.64.0.11"),
                          QStringLiteral("255.255.0.0"), QStringLiteral("0.0.0.0")});
    AddRow(c.deviceList, {QStringLiteral("Media"), QStringLiteral("10.65.0.20"),
                          QStringLiteral("255.255.0.0"), QStringLiteral("10.65.0.1")});
    c.deviceList->setCurrentItem(c.deviceList->topLevelItem(0));
    c.ipAddress->setAddress(10, 64, 0, 10);
    c.netmask->setAddress(255, 255, 0, 0);
    c.gateway->setAddress(10, 64, 0, 1);
    c.dhcp->setCurrentIndex(c.dhcp->findText(QStringLiteral("Disable")));
    AddRow(c.volumeList, {QStringLiteral("HDD_a"), QStringLiteral("Y:")});
    AddRow(c.volumeList, {QStringLiteral("HDD_b"), QString()});
    return Frame(dialog);
}

// The focus ring, as a keyboard user sees it on a button of the blue background.
QImage RenderMainFocus()
{
    OfflineServices offline;
    MainDialog dialog(offline.services());
    dialog.OnInitDialog();
    dialog.show();
    dialog.findChild<QWidget*>(QStringLiteral("languageButton"))->setFocus(Qt::TabFocusReason);
    return Frame(dialog);
}

QImage RenderAbout()
{
    AboutDialog about;
    return Frame(about);
}

QImage RenderLogin()
{
    ProtocolState state;
    LoginDialog login(state, 1);
    return Frame(login);
}

// Share mode: the "Remember password" box, enabled (a keyring is there) and disabled.
QImage RenderShareLogin(bool keyring)
{
    ProtocolState state;
    LoginDialog login(state, 0);
    login.setPasswordSaving(keyring, QStringLiteral("No keyring runs in this session."));
    return Frame(login);
}

// The window GVfs's password question opens, with the guest choice.
QImage RenderCredentials()
{
    CredentialRequest request;
    request.message = "Password required for share hdd_a on nas-1";
    request.anonymousAllowed = true;
    CredentialPrompt prompt(nullptr, request);
    return Frame(prompt);
}

QImage RenderInstall()
{
    OfflineServices offline;
    test::MemoryShare share;
    test::MemoryDeviceFiles files;
    InstallState state;
    install::LocalStaging staging;
    install::InstallContext context{offline.window.protocol(), share, files, state, staging, offline.clock};
    InstallDialog dialog(context, "10.64.0.10", offline.messages);
    return Frame(dialog);
}

QImage RenderRestart()
{
    // Most of the way through: the first steps come at once, then the worker takes its time.
    test::FakeClock clock;
    clock.onSleep = [&clock](int) {
        if (clock.sleeps > 45)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
    };
    InstallState state;
    RestartDialog dialog(state, clock);
    dialog.show();
    QElapsedTimer waited;
    waited.start();
    while (dialog.progressBar()->value() < 47 && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return Frame(dialog);
}

// As the device's current language shows when the window opens.
QImage RenderLanguage()
{
    OfflineServices offline;
    InstallState state;
    MainContext ctx;
    ctx.services = offline.services();
    ctx.services.installState = &state;
    LanguageDialog dialog(ctx);
    dialog.languageList()->setCurrentIndex(2);
    return Frame(dialog);
}

struct Render {
    const char* name;
    std::function<QImage()> render;
};

const Render Renders[] = {
    {"main-empty", RenderMainEmpty},
    {"main-devices", RenderMainDevices},
    {"main-focus", RenderMainFocus},
    {"main-wide", RenderMainWide},
    {"about", RenderAbout},
    {"login", RenderLogin},
    {"install", RenderInstall},
    {"restart", RenderRestart},
    {"language", RenderLanguage},
    {"login-share", [] { return RenderShareLogin(true); }},
    {"login-share-no-keyring", [] { return RenderShareLogin(false); }},
    {"credentials", RenderCredentials},
};

} // namespace

TEST(Screenshots, EveryDialogRenders)
{
    for (const Render& r : Renders) {
        SCOPED_TRACE(r.name);
        const QImage image = r.render();
        ASSERT_FALSE(image.isNull());
        // The dialog background must be the program's blue, sampled near the bottom
        // left corner of the client area (clear of every control in every template).
        EXPECT_EQ(image.pixelColor(2, image.height() - 3), QColor(0, 98, 147));
        Save(image, QString::fromLatin1(r.name));
    }
}

// The windows a user meets most, in languages of other scripts and lengths, for a look
// by eye ("main-devices-ja.png").
TEST(Screenshots, WindowsRenderInOtherLanguages)
{
    std::vector<const Render*> shown;
    for (const Render& r : Renders) {
        for (const char* name : {"main-devices", "about", "login", "install", "restart", "language"}) {
            if (std::strcmp(r.name, name) == 0)
                shown.push_back(&r);
        }
    }
    ASSERT_EQ(shown.size(), 6u);
    for (const char* language : {"de", "ru", "ja", "zh_TW"}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(InstallTranslations(*qApp, QString::fromLatin1(language),
                                        QStringLiteral(TELVORIN_TEST_TRANSLATIONS_DIR), QtTranslationsDir()));
        for (const Render* r : shown) {
            const QImage image = r->render();
            ASSERT_FALSE(image.isNull()) << r->name;
            Save(image,
                 QStringLiteral("%1-%2").arg(QString::fromLatin1(r->name), QString::fromLatin1(language)));
        }
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
}
