// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainDialog.h"

#include "app/AboutDialog.h"
#include "app/OnRefresh.h"
#include "bittorrent/OnBitTorrent.h"
#include "drives/DriveMapping.h"
#include "language/OnLanguage.h"
#include "protocol/Protocol.h"
#include "resources/Strings.h"
#include "resources/Templates.h"
#include "settings/DeviceDetails.h"
#include "settings/LanSettings.h"
#include "settings/WebConfiguration.h"
#include "ui/BlockingStep.h"
#include "ui/DialogBuilder.h"
#include "ui/IpAddressEdit.h"
#include "ui/ReportList.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace telvorin {

namespace {

// The About entry's command id on the window menu; the low four bits are flags.
constexpr unsigned AboutCommand = 0x10;

} // namespace

MainDialog::MainDialog(const MainServices& services, QWidget* parent)
    : QDialog(parent)
{
    // An application window (window managers do not minimise dialogs or list them in
    // the task bar) with a minimise box and a close box; no maximise, no context help.
    // Set before the controls exist: changing the flags later re-polishes them.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    EnsureResources();
    BuildDialog(*this, MainTemplate);
    setObjectName(QStringLiteral("mainDialog"));
    setWindowIcon(QIcon(QString::fromLatin1(AppIconSvg)));

    ctx_.services = services;
    if (services.drives) {
        blockingDrives_.emplace(*services.drives);
        ctx_.services.drives = &*blockingDrives_;
    }
    ctx_.driveTable = &driveTable_;
    ctx_.OnRefresh = [this] { OnRefresh(ctx_); };
    bindControls();
    connectControls();
}

MainDialog::~MainDialog() = default;

void MainDialog::bindControls()
{
    MainControls& c = ctx_.controls;
    c.dialog = this;
    c.deviceList = FindControl<ReportList>(*this, IdDeviceList);
    c.volumeList = FindControl<ReportList>(*this, IdVolumeList);
    c.refresh = FindControl<QPushButton>(*this, IdRefresh);
    c.connect = FindControl<QPushButton>(*this, IdConnect);
    c.disconnect = FindControl<QPushButton>(*this, IdDisconnect);
    c.ipAddress = FindControl<IpAddressEdit>(*this, IdIpAddress);
    c.apply = FindControl<QPushButton>(*this, IdApply);
    c.configuration = FindControl<QPushButton>(*this, IdConfiguration);
    c.exit = FindControl<QPushButton>(*this, IdExit);
    c.netmask = FindControl<IpAddressEdit>(*this, IdNetmask);
    c.gateway = FindControl<IpAddressEdit>(*this, IdGateway);
    c.driveLetters = FindControl<QComboBox>(*this, IdDriveLetters);
    c.dhcp = FindControl<QComboBox>(*this, IdDhcp);
    c.about = FindControl<QPushButton>(*this, IdAbout);
    c.language = FindControl<QPushButton>(*this, IdLanguage);
    c.bitTorrent = FindControl<QPushButton>(*this, IdBitTorrent);
}

void MainDialog::connectControls()
{
    MainControls& c = ctx_.controls;
    auto route = [this](QPushButton* button, void (*handler)(MainContext&)) {
        connect(button, &QPushButton::clicked, this, [this, handler] { handler(ctx_); });
    };
    route(c.refresh, &OnRefresh);
    route(c.apply, &OnApply);
    route(c.configuration, &OnConfiguration);
    route(c.connect, &OnConnect);
    route(c.disconnect, &OnDisconnect);
    route(c.language, &OnLanguage);
    route(c.bitTorrent, &OnBitTorrent);
    connect(c.exit, &QPushButton::clicked, this, &MainDialog::OnExit);
    connect(c.about, &QPushButton::clicked, this, &MainDialog::OnAbout);

    // No button is the default one, not even the first: Qt would otherwise make the
    // first auto-default button the default when the window shows. Enter is routed by
    // hand instead: a focused button takes it, and anywhere else, the lists included,
    // it ends the run.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->installEventFilter(this);
    }
    c.deviceList->installEventFilter(this);
    c.volumeList->installEventFilter(this);

    connect(static_cast<ReportList*>(c.deviceList), &ReportList::clickedAnywhere, this,
            [this] { OnDeviceListClick(ctx_); });
    // Only a choice by the user counts; the program setting the combo does not.
    connect(c.dhcp, &QComboBox::activated, this, [this] { OnDhcpChange(ctx_); });
}

bool MainDialog::OnInitDialog()
{
    if (initialised_)
        return true;
    initialised_ = true;
    prepareLists();
    readDrivesAndSearch();
    return true;
}

void MainDialog::prepareLists()
{
    setWindowIcon(QIcon(QString::fromLatin1(AppIconSvg)));
    MainControls& c = ctx_.controls;
    static_cast<ReportList*>(c.deviceList)
        ->setColumns({{"Name", 94}, {"IP", 81}, {"Netmask", 81}, {"Gateway", 81}});
    static_cast<ReportList*>(c.volumeList)->setColumns({{"Volume Name", 120}, {"Location", 100}});
}

void MainDialog::readDrivesAndSearch()
{
    MainControls& c = ctx_.controls;
    if (ctx_.services.drives) {
        driveTable_.RefreshDriveTable(*ctx_.services.drives);
        driveTable_.FillDriveLetters(c.driveLetters, *ctx_.services.drives);
    }
    OnRefresh(ctx_);
    ctx_.DeviceSelected = 0;
}

void MainDialog::setVisible(bool visible)
{
    if (!visible || initialised_) {
        QDialog::setVisible(visible);
        return;
    }
    // The window shows at once, its list empty and Refresh disabled until the first
    // search has filled it; the search runs as a blocking step, so the window is painted
    // meanwhile and input waits for its end.
    initialised_ = true;
    prepareLists();
    ctx_.controls.refresh->setEnabled(false);
    QDialog::setVisible(true);
    readDrivesAndSearch();
}

void MainDialog::OnSysCommand(unsigned commandId)
{
    if ((commandId & ~0xFu) == AboutCommand)
        OnAbout();
}

void MainDialog::OnAbout()
{
    AboutDialog about(this);
    about.exec();
}

void MainDialog::closeTransportOnce()
{
    Protocol* protocol = ctx_.services.protocol;
    if (protocol && protocol->transportOpen())
        protocol->CloseTransport();
}

void MainDialog::OnExit()
{
    if (ctx_.services.protocol)
        ctx_.services.protocol->FreeDeviceList();
    closeTransportOnce();
    done(QDialog::Rejected);
}

void MainDialog::OnClose()
{
    closeTransportOnce();
}

void MainDialog::closeEvent(QCloseEvent* event)
{
    // A close request that comes while a step waits must not close the sockets under it;
    // it is handled once the step is over, as one held back with the input would be.
    if (BlockingStepRunning()) {
        event->ignore();
        AfterBlockingSteps(this, [this] { close(); });
        return;
    }
    OnClose();
    QDialog::closeEvent(event);
}

namespace {

bool IsPlainEnter(const QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    return enter && plain;
}

} // namespace

bool MainDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && IsPlainEnter(static_cast<QKeyEvent*>(event))) {
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            if (button->isEnabled())
                button->click();
        } else {
            accept();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void MainDialog::keyPressEvent(QKeyEvent* event)
{
    if (IsPlainEnter(event)) {
        // Enter outside a push button is the dialog's OK.
        accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        // No help content of our own.
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event)
{
    // Window managers give no way into the title-bar menu, so the About entry sits in
    // the dialog's own context menu (the About button is the other way in).
    QMenu menu(this);
    QAction* about = menu.addAction(QString::fromUtf8(AboutMenuText));
    if (menu.exec(event->globalPos()) == about)
        OnSysCommand(AboutCommand);
}

} // namespace telvorin
