// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace telvorin {

// The About box (template 100): icon, name, notice, version and OK. Each opening builds
// a fresh one for one modal run.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace telvorin
