// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

#include <array>
#include <cstdint>

class QLineEdit;

namespace telvorin {

// An IPv4 address field: four octet fields of up to three digits each, separated by dots,
// inside one edit frame. It has a blank state (every octet empty), distinct from
// 0.0.0.0. Values above 255 are kept as typed; the caller's checks decide about them.
class IpAddressEdit : public QFrame {
    Q_OBJECT
public:
    explicit IpAddressEdit(QWidget* parent = nullptr);

    // True when every octet field is empty.
    bool isBlank() const;
    // The four octets as typed; an empty octet reads 0.
    std::array<int, 4> octets() const;
    // Reads the four octets into `out` and returns how many octet fields are not empty.
    int address(std::array<int, 4>& out) const;
    // The dotted text "a.b.c.d", or an empty text when blank.
    QString text() const;

    void setOctets(const std::array<int, 4>& octets);
    void setAddress(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d);
    // Empties every octet field.
    void clearAddress();
    // Gives the keyboard focus to octet 0..3 and selects its text.
    void focusOctet(int index);

    // Names the field for screen readers: the field as `name`, each octet as
    // "<name>, octet N of 4".
    void setAccessibleFieldName(const QString& name);

    // The octet fields themselves, for tests and for focus checks.
    QLineEdit* octetField(int index) const;

Q_SIGNALS:
    // Any octet field was edited by the user or set by the program.
    void addressChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutFields();

    std::array<QLineEdit*, 4> fields_{};
};

} // namespace telvorin
