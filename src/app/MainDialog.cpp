// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainDialog.h"

#include "app/AboutDialog.h"
#include "app/OnRefresh.h"
#include "bittorrent/OnBitTorrent.h"
#include "drives/DriveMapping.h"
#include "language/OnLanguage.h"
#include "platform/NetworkMonitor.h"
#include "protocol/Protocol.h"
#include "resources/Strings.h"
#include "resources/Templates.h"
#include "settings/DeviceDetails.h"
#include "settings/LanSettings.h"
#include "settings/WebConfiguration.h"
#include "ui/BlockingStep.h"
#include "ui/DialogBuilder.h"
#include "ui/IpAddressEdit.h"
#include "ui/ListRows.h"
#include "ui/ReportList.h"
#include "ui/Texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>

#include <algorithm>

namespace telvorin {

namespace {

// The About entry's command id on the window menu; the low four bits are flags.
constexpr unsigned AboutCommand = 0x10;

// Long enough for a held arrow key's repeats to pass a row without loading it, short
// enough that the details follow the highlight at once to the eye.
constexpr int SelectionSettleMs = 150;

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
    const std::vector<QWidget*> built = BuildDialog(*this, MainTemplate);
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
    orderTabStops();
    followNetwork();

    // The template's size is the smallest; the window may grow from it.
    for (std::size_t i = 0; i < built.size(); ++i)
        templatePlaces_.push_back({built[i], RectInWindow(*built[i]), MainTemplate.controls[i].follow});
    const auto depth = [this](const QWidget* w) {
        int d = 0;
        for (; w && w != this; w = w->parentWidget())
            ++d;
        return d;
    };
    std::stable_sort(templatePlaces_.begin(), templatePlaces_.end(),
                     [&depth](const TemplatePlace& a, const TemplatePlace& b) {
                         return depth(a.control) < depth(b.control);
                     });
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

MainDialog::~MainDialog()
{
    if (ctx_.services.network)
        ctx_.services.network->setListener({});
}

void MainDialog::followNetwork()
{
    const MainServices& services = ctx_.services;
    if (!services.network || !services.protocol || !services.clock)
        return;
    AutoSearch::Window window;
    window.idle = [this] { return idle(); };
    window.deviceSelected = [this] {
        return ctx_.DeviceSelected != 0 || SelectedRow(ctx_.controls.deviceList) >= 0;
    };
    window.interfacesChanged = [this] { return ctx_.services.protocol->interfacesChanged(); };
    window.search = [this] { runHandler([this] { OnRefresh(ctx_); }, Acts::Alone); };
    window.listEmpty = [this] { return ctx_.controls.deviceList->topLevelItemCount() == 0; };
    autoSearch_ = std::make_unique<AutoSearch>(*services.clock, std::move(window), this);
    services.network->setListener([this] { autoSearch_->networkChanged(); });
    ctx_.searched = [this] { autoSearch_->searched(); };
}

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
    using enum Acts;
    auto route = [this](QPushButton* button, void (*handler)(MainContext&), Acts acts) {
        connect(button, &QPushButton::clicked, this,
                [this, handler, acts] { runHandler([this, handler] { handler(ctx_); }, acts); });
    };
    route(c.refresh, &OnRefresh, Alone);
    route(c.apply, &OnApply, OnDevice);
    route(c.configuration, &OnConfiguration, OnDevice);
    route(c.connect, &OnConnect, OnDevice);
    route(c.disconnect, &OnDisconnect, OnDevice);
    route(c.language, &OnLanguage, OnDevice);
    route(c.bitTorrent, &OnBitTorrent, OnDevice);
    connect(c.exit, &QPushButton::clicked, this, [this] { runHandler([this] { OnExit(); }, Alone); });
    connect(c.about, &QPushButton::clicked, this, [this] { runHandler([this] { OnAbout(); }, OnDevice); });

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

    // A click shows the clicked device at once; any other move of the highlight once it
    // has rested.
    connect(static_cast<ReportList*>(c.deviceList), &ReportList::clickedAnywhere, this,
            [this] { runHandler([this] { OnDeviceListClick(ctx_); }, Acts::Alone); });
    settle_.setSingleShot(true);
    settle_.setInterval(SelectionSettleMs);
    connect(c.deviceList, &QTreeWidget::itemSelectionChanged, this, [this] { settle_.start(); });
    connect(&settle_, &QTimer::timeout, this,
            [this] { runHandler([this] { loadSettledHighlight(); }, Acts::Alone); });
    // Only a choice by the user counts; the program setting the combo does not.
    connect(c.dhcp, &QComboBox::activated, this,
            [this] { runHandler([this] { OnDhcpChange(ctx_); }, Acts::OnDevice); });
}

void MainDialog::orderTabStops()
{
    // The order of the layout, left to right and top to bottom within each group, rather
    // than the template's order of creation.
    const MainControls& c = ctx_.controls;
    QWidget* const order[] = {c.deviceList, c.refresh,    c.configuration, c.language,
                              c.bitTorrent, c.ipAddress,  c.netmask,       c.gateway,
                              c.dhcp,       c.apply,      c.volumeList,    c.driveLetters,
                              c.connect,    c.disconnect, c.about,         c.exit};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainDialog::runHandler(std::function<void()> handler, Acts acts)
{
    if (ending_)
        return;
    AfterBlockingSteps(this, [this, handler = std::move(handler), acts] {
        const HandlerRun running;
        if (acts == Acts::OnDevice)
            loadHighlightIfNew();
        else
            settle_.stop();
        handler();
    });
}

bool MainDialog::idle() const
{
    const QWidget* modal = QApplication::activeModalWidget();
    return isVisible() && !HandlerOrStepRunning() && !ActionsQueued() && !settle_.isActive() &&
           (!modal || modal == this) && !QApplication::activePopupWidget() && ctx_.DeviceSelected == 0;
}

void MainDialog::loadHighlightIfNew()
{
    settle_.stop();
    const int row = SelectedRow(ctx_.controls.deviceList);
    if (row >= 0 && !IsLoadedDevice(ctx_.controls.deviceList->topLevelItem(row)))
        ShowHighlightedDevice(ctx_);
}

void MainDialog::loadSettledHighlight()
{
    const int row = SelectedRow(ctx_.controls.deviceList);
    // Nothing new to show: no highlight and no device, or the device already shown (a
    // click or a button's load came first).
    if (row < 0 ? ctx_.DeviceSelected == 0 : IsLoadedDevice(ctx_.controls.deviceList->topLevelItem(row)))
        return;
    ShowHighlightedDevice(ctx_);
}

bool MainDialog::OnInitDialog()
{
    if (initialised_)
        return true;
    initialised_ = true;
    prepareLists();
    runHandler([this] { readDrivesAndSearch(); }, Acts::Alone);
    return true;
}

void MainDialog::prepareLists()
{
    setWindowIcon(QIcon(QString::fromLatin1(AppIconSvg)));
    MainControls& c = ctx_.controls;
    static_cast<ReportList*>(c.deviceList)
        ->setColumns({{QT_TRANSLATE_NOOP("telvorin", "Name"), 94},
                      {QT_TRANSLATE_NOOP("telvorin", "IP"), 81},
                      {QT_TRANSLATE_NOOP("telvorin", "Netmask"), 81},
                      {QT_TRANSLATE_NOOP("telvorin", "Gateway"), 81}});
    static_cast<ReportList*>(c.volumeList)
        ->setColumns({{QT_TRANSLATE_NOOP("telvorin", "Volume Name"), 120},
                      {QT_TRANSLATE_NOOP("telvorin", "Location"), 100}});
}

void MainDialog::readDrivesAndSearch()
{
    MainControls& c = ctx_.controls;
    if (ctx_.services.drives) {
        driveTable_.RefreshDriveTable(*ctx_.services.drives);
        driveTable_.FillDriveLetters(c.driveLetters, *ctx_.services.drives);
    }
    OnRefresh(ctx_);
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
    runHandler([this] { readDrivesAndSearch(); }, Acts::Alone);
}

void MainDialog::OnSysCommand(unsigned commandId)
{
    if ((commandId & ~0xFu) == AboutCommand)
        runHandler([this] { OnAbout(); }, Acts::OnDevice);
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
    // Nothing runs after Exit: the run is over.
    DropQueuedActions(this);
    settle_.stop();
    closeOthers_.stop();
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
    // A close request that comes while a handler runs (in one of its steps or its
    // windows) must not close the sockets under it: it waits for the handler's end, as
    // Exit does.
    if (HandlerOrStepRunning()) {
        event->ignore();
        runHandler(
            [this] {
                OnClose();
                done(QDialog::Rejected);
            },
            Acts::Alone);
        return;
    }
    OnClose();
    QDialog::closeEvent(event);
}

void MainDialog::endOnTermination()
{
    if (ending_)
        return;
    DropQueuedActions(this);
    runHandler([this] { OnExit(); }, Acts::Alone);
    ending_ = true;
    // The windows a handler has open (or opens before it is over) close as soon as no
    // step runs, so the handler ends; an install's own steps finish first.
    closeOthers_.setInterval(50);
    connect(&closeOthers_, &QTimer::timeout, this, &MainDialog::closeOtherWindows);
    closeOthers_.start();
}

void MainDialog::closeOtherWindows()
{
    if (BlockingStepRunning())
        return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog && dialog != this && dialog->isVisible() && !dialog->close())
            dialog->done(QDialog::Rejected);
    }
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

void MainDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layOutControls();
}

void MainDialog::layOutControls()
{
    if (templatePlaces_.empty())
        return;
    const QSize extra = (size() - minimumSize()).expandedTo(QSize(0, 0));
    const int upper = extra.height() / 2;
    const int lower = extra.height() - upper;
    for (const TemplatePlace& place : templatePlaces_) {
        const unsigned f = place.follow;
        QRect r = place.inWindow;
        r.translate((f & FollowMoveX) ? extra.width() : 0,
                    ((f & FollowMoveYUpper) ? upper : 0) + ((f & FollowMoveYLower) ? lower : 0));
        r.setWidth(r.width() + ((f & FollowGrowW) ? extra.width() : 0));
        r.setHeight(r.height() + ((f & FollowGrowHUpper) ? upper : 0) + ((f & FollowGrowHLower) ? lower : 0));
        // A control inside a group box is placed against the box, which has its new place
        // already (boxes come first).
        if (QWidget* parent = place.control->parentWidget(); parent != this)
            r.translate(-parent->mapTo(this, QPoint()));
        place.control->setGeometry(r);
    }
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event)
{
    // Window managers give no way into the title-bar menu, so the About entry sits in
    // the dialog's own context menu (the About button is the other way in).
    QMenu menu(this);
    QAction* about = menu.addAction(TrText(AboutMenuText));
    if (menu.exec(event->globalPos()) == about)
        OnSysCommand(AboutCommand);
}

} // namespace telvorin
