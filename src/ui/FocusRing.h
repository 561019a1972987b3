// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

namespace telvorin {

// A clearly visible focus indicator for a dialog: a two-tone ring drawn on the dialog
// just outside the control that holds the keyboard focus (a light ring that stands out
// on the dark blue, a dark one inside it that stands out against a light control). The
// control's own look is left as the style draws it. A control made of several widgets
// (an address field, a list with its header) is ringed as a whole.
class FocusRing : public QObject {
    Q_OBJECT
public:
    // Adds the ring to `window`; it lives as long as the window.
    static void install(QWidget& window);

    // The control the ring is drawn around now, or null.
    QWidget* ringed() const { return ringed_; }
    // Pixels the ring reaches beyond the control on each side.
    static constexpr int Reach = 3;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusRing(QWidget& window);
    void follow(QWidget* focus);
    QWidget* controlOf(QWidget* widget) const;
    // The ringed control's rectangle in the window's coordinates.
    QRect ringedRect() const;

    QWidget& window_;
    QPointer<QWidget> ringed_;
};

} // namespace telvorin
