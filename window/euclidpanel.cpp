#include "euclidpanel.h"

#include "qtext.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

EuclidPanel::EuclidPanel(const Catalogue &language, QWidget *parent)
    : QGroupBox(qs(language.euclid.title), parent), account_(new QPlainTextEdit(this))
{
    account_->setReadOnly(true);
    // Read-only alone would leave the text selectable by mouse only.
    account_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    account_->setTabChangesFocus(true);
    account_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    account_->setPlaceholderText(qs(language.menus.euclidEmpty));
    account_->setAccessibleName(qs(language.euclid.title));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(account_);
}

void EuclidPanel::SetAccount(const std::string &crlfText)
{
    if (crlfText == shown_)
        return;
    shown_ = crlfText;
    QString text = qs(crlfText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    account_->setPlainText(text);
}
