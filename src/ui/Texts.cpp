// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Texts.h"

namespace telvorin {

QString TrText(const char* english)
{
    return english && *english ? Texts::tr(english) : QString();
}

QString TrFormat(const char* format, const std::vector<QString>& args)
{
    const QString translated = TrText(format);
    QString out;
    out.reserve(translated.size());
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const QChar next = i + 1 < translated.size() ? translated[i + 1] : QChar();
        const int n = next.unicode() - '1';
        if (translated[i] == QLatin1Char('%') && n >= 0 && n < 9 && std::size_t(n) < args.size()) {
            out += args[std::size_t(n)];
            ++i;
        } else {
            out += translated[i];
        }
    }
    return out;
}

QString TrLines(std::string_view english)
{
    QStringList lines;
    for (const QString& line :
         QString::fromUtf8(english.data(), qsizetype(english.size())).split(QLatin1Char('\n')))
        lines << TrText(line.toUtf8().constData());
    return lines.join(QLatin1Char('\n'));
}

} // namespace telvorin
