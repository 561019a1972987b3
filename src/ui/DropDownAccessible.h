// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace telvorin {

// The builder's drop-down list. A class of its own so that the screen-reader interface
// below is chosen for it ahead of the toolkit's stock one.
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};

// Makes a screen reader read a drop-down list's current item as its value: on focus
// ("Receive DHCP :", then "Enable") and again whenever the item changes. The stock
// interface on this platform offers the item only as the name, which readers skip in
// favour of the label and ignore when it changes.
void MakeDropDownSpeakItsValue(DropDownList* combo);

} // namespace telvorin
