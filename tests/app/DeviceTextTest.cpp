// Texts that come from a device or a server reach the screen as written: a name with
// markup in it is shown with its angle brackets, never rendered as rich text.
#include "drives/CredentialPrompt.h"
#include "ui/Messages.h"
#include "ui/ModalHelper.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>

using namespace telvorin;

namespace {

const QString Markup = QStringLiteral("<b>NAS</b> <img src=\"x\"> &amp; <a href=\"y\">share</a>");

// Where the window shows `text`: an empty list when a plain-text label shows it whole,
// otherwise what is wrong.
QStringList HowShown(const QWidget& window, const QString& text)
{
    QStringList faults;
    bool shown = false;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().contains(text))
            continue;
        shown = true;
        if (label->textFormat() != Qt::PlainText)
            faults << label->objectName() + QStringLiteral(" may render it as markup");
    }
    if (!shown)
        faults << QStringLiteral("no label shows it");
    return faults;
}

} // namespace

TEST(DeviceTexts, ShownAsWrittenNeverAsMarkup)
{
    struct Row {
        const char* window;
        std::function<QStringList()> faults;
    };
    const Row rows[] = {
        {"credential prompt",
         [] {
             CredentialRequest request;
             request.message = (QStringLiteral("Password required for share ") + Markup).toStdString();
             CredentialPrompt prompt(nullptr, request);
             return HowShown(prompt, Markup);
         }},
        {"message box",
         [] {
             QStringList faults{QStringLiteral("the message box never opened")};
             test::ModalAnswerer answer([&](QWidget* box) {
                 faults = HowShown(*box, Markup);
                 qobject_cast<QDialog*>(box)->accept();
             });
             QtMessages().show(nullptr, Markup, QStringLiteral("Warning"), MessageIcon::Exclamation);
             return faults;
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.window);
        const QStringList faults = r.faults();
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("; ")).toStdString();
    }
    EXPECT_NO_WINDOW_LEFT();
}
