#include "mainwindow.h"

#include "colourbutton.h"
#include "contrast.h"
#include "introduction.h"
#include "noteline.h"
#include "qtext.h"
#include "qttranslations.h"
#include "rangelist.h"
#include "ranges.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

QRect pixelRect(const ControlEntry &entry)
{
    return QRect(Pixels(entry.left), Pixels(entry.top), Pixels(entry.width), Pixels(entry.height));
}

QRect pixelRect(const Area &area)
{
    return QRect(Pixels(area.left), Pixels(area.top), Pixels(area.width), Pixels(area.height));
}

// Twips times the zoom, in logical pixels. Edges are rounded, not sizes, so
// that controls meeting in the table still meet.
int zoomed(int twips, double zoom)
{
    return static_cast<int>(std::lround(twips * zoom / TwipsPerPixel));
}

template <typename Placed> QRect zoomedRect(const Placed &entry, double zoom)
{
    const int left = zoomed(entry.left, zoom);
    const int top = zoomed(entry.top, zoom);
    return QRect(left, top, zoomed(entry.left + entry.width, zoom) - left,
                 zoomed(entry.top + entry.height, zoom) - top);
}

QColor fromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// Qt shows a top-level QWidget to assistive technology as a plain client
// area, which screen readers call a filler; this one is the program's window.
QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("MainWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    // The note is a status line, whose new text a screen reader reads out.
    if (className == QLatin1String("NoteLine") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    return nullptr;
}

} // namespace

MainWindow::MainWindow(RandomSource random, const Catalogue &catalogue, QWidget *parent)
    : QWidget(parent), catalogue_(catalogue), visit_(std::move(random), catalogue)
{
    // Before the controls are made: making them may already ask for the
    // window's interface, which Qt then keeps.
    [[maybe_unused]] static const bool windowRoleKnown =
        (QAccessible::installFactory(windowAccessible), true);
    // Qt's own texts in the fields' menus in the window's language, once for
    // the program, whoever makes the window.
    [[maybe_unused]] static const bool qtTextsInItsLanguage =
        installQtTranslations(*QCoreApplication::instance(), catalogue_.code);
    createUi();
    // Start-up: the locale's numbers, then the first range's one fill.
    visit_.Apply(command::SetDecimalSeparator{LocaleDecimalSeparator()});
    Do(command::Start{});
}

void MainWindow::createUi()
{
    setWindowTitle(qs(WindowCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/velmora-32.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Pixels(ClientWidth), Pixels(ClientHeight));

    QFont font(qs(FontFamily), FontPointSize);
    font.setStyleHint(QFont::Serif);
    setFont(font);

    butonGroup_ = new QButtonGroup(this);

    for (std::size_t i = 0; i < Controls.size(); ++i) {
        const ControlEntry &entry = Controls[i];
        QWidget *control = nullptr;
        switch (entry.type) {
        case ControlType::TextBox:
            control = createTextBox(entry);
            break;
        case ControlType::CommandButton:
            control = createButton(entry);
            break;
        case ControlType::ListBox:
            control = createList(entry);
            break;
        case ControlType::Label:
            control = createLabel(entry);
            break;
        }
        control->setGeometry(pixelRect(entry));
        control->setAccessibleName(qs(TextsOf(entry, catalogue_).accessibleName));
        controls_[i] = control;
    }
    note_ = new NoteLine(this);
    note_->setGeometry(pixelRect(NoteArea));
    QFont small = font;
    small.setPointSizeF(NotePointSize);
    note_->setFont(small);
    QPalette ink = note_->palette();
    ink.setColor(QPalette::WindowText, inkOn(fromBgr(WindowBackColour)));
    note_->setPalette(ink);
    setTabOrderFromTable();
    tieCaptions();

    connect(butonGroup_, &QButtonGroup::idClicked, this, [this](int index) {
        switch (index) {
        case 0:
            Do(command::Calculate{});
            break;
        case 1:
            Do(command::Clear{});
            break;
        case 2:
            Do(command::NewData{});
            break;
        }
    });
    connect(sluch_, &QListWidget::itemSelectionChanged, this,
            [this] { Do(command::SelectRange{sluch_->selectedRow()}); });

    pole_[0]->setFocus();
    centreOnScreen();
}

QWidget *MainWindow::createTextBox(const ControlEntry &entry)
{
    if (entry.settings & MultiLine) {
        auto *box = new QPlainTextEdit(this);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        if (entry.settings & Locked) {
            box->setReadOnly(true);
            // Read-only alone would leave the text selectable by mouse only.
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
        pole_.at(static_cast<std::size_t>(entry.index)) = box;
        // Pole(4) shows the transcript, which the visit holds.
        if (entry.index != 4)
            box->setPlainText(qs(IntroductionText(catalogue_)));
        return box;
    }

    auto *box = new QLineEdit(qs(TextsOf(entry, catalogue_).text), this);
    if (entry.settings & Centred)
        box->setAlignment(Qt::AlignCenter);
    if (entry.maxLength > 0)
        box->setMaxLength(entry.maxLength);
    box->setReadOnly(entry.settings & Locked);
    pole_.at(static_cast<std::size_t>(entry.index)) = box;
    // Whatever the user puts into the field (typing, pasting, undoing) goes
    // to the visit; a locked field takes none of it, and the visit says why.
    const auto field = static_cast<Entry>(entry.index - 1); // Pole1 to Pole3: A, B, C
    connect(box, &QLineEdit::textEdited, this, [this, field](const QString &text) {
        Do(command::Edit{field, text.toStdString()});
    });
    connect(box, &QLineEdit::returnPressed, this, [this, field] { Do(command::Enter{field}); });
    box->installEventFilter(this);
    return box;
}

QWidget *MainWindow::createButton(const ControlEntry &entry)
{
    auto *button =
        new ColourButton(qs(TextsOf(entry, catalogue_).text), fromBgr(entry.backColour), this);
    button->setAutoDefault(false);
    butonGroup_->addButton(button, entry.index);
    buton_.at(static_cast<std::size_t>(entry.index)) = button;
    return button;
}

QWidget *MainWindow::createList(const ControlEntry &)
{
    sluch_ = new RangeList(this);
    sluch_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::string_view entry : RangeEntries) {
        auto *item = new QListWidgetItem(qs(entry), sluch_);
        item->setData(Qt::UserRole, 0);
    }
    return sluch_;
}

QWidget *MainWindow::createLabel(const ControlEntry &entry)
{
    auto *label = new QLabel(qs(TextsOf(entry, catalogue_).text), this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, fromBgr(entry.backColour));
    palette.setColor(QPalette::WindowText, inkOn(fromBgr(entry.backColour)));
    label->setPalette(palette);
    // Captions reach a pixel into the control below them, which covers them.
    label->lower();

    if (entry.name == "Label1")
        label1_ = label;
    else
        etiket_.at(static_cast<std::size_t>(entry.index)) = label;
    return label;
}

void MainWindow::setTabOrderFromTable()
{
    QWidget *previous = nullptr;
    for (std::size_t i : TabOrder()) {
        if (Controls[i].type == ControlType::Label)
            continue; // labels hold tab indices but never take the focus
        if (previous)
            setTabOrder(previous, controls_[i]);
        previous = controls_[i];
    }
}

void MainWindow::tieCaptions()
{
    // A screen reader then reads "A*x" with the field below it; the fields
    // keep their own accessible names. No caption has an access key, so
    // buddies add none.
    for (std::size_t i = 0; i < Controls.size(); ++i)
        if (const std::size_t control = CaptionedControl(i); control < Controls.size())
            static_cast<QLabel *>(controls_[i])->setBuddy(controls_[control]);
}

void MainWindow::SetZoom(double zoom)
{
    if (zoom <= 0 || zoom == zoom_)
        return;
    zoom_ = zoom;
    // At 1 exactly the table's own rounding, so that going back restores
    // every pixel.
    const bool actual = zoom == 1;
    setFixedSize(SizeAt(zoom));
    QFont scaled = font();
    scaled.setPointSizeF(FontPointSize * zoom);
    setFont(scaled);
    for (std::size_t i = 0; i < Controls.size(); ++i)
        controls_[i]->setGeometry(actual ? pixelRect(Controls[i]) : zoomedRect(Controls[i], zoom));
    note_->setGeometry(actual ? pixelRect(NoteArea) : zoomedRect(NoteArea, zoom));
    QFont small = note_->font();
    small.setPointSizeF(NotePointSize * zoom);
    note_->setFont(small);
}

QSize MainWindow::SizeAt(double zoom)
{
    return zoom == 1 ? QSize(Pixels(ClientWidth), Pixels(ClientHeight))
                     : QSize(zoomed(ClientWidth, zoom), zoomed(ClientHeight, zoom));
}

void MainWindow::centreOnScreen()
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), fromBgr(WindowBackColour));
}

QWidget *MainWindow::Pole(int index) const
{
    return (index >= 0 && index < 5) ? pole_[static_cast<std::size_t>(index)] : nullptr;
}

QPushButton *MainWindow::Buton(int index) const
{
    return (index >= 0 && index < 3) ? buton_[static_cast<std::size_t>(index)] : nullptr;
}

QLabel *MainWindow::Etiket(int index) const
{
    return (index >= 0 && index < 5) ? etiket_[static_cast<std::size_t>(index)] : nullptr;
}

QListWidget *MainWindow::Sluch() const
{
    return sluch_;
}

QLabel *MainWindow::Label1() const
{
    return label1_;
}

QLineEdit *MainWindow::coefficientField(int k) const
{
    return qobject_cast<QLineEdit *>(Pole(k));
}

QPlainTextEdit *MainWindow::transcriptField() const
{
    return qobject_cast<QPlainTextEdit *>(pole_[4]);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A key that would change a locked field's text reaches no handler of
    // the field's own: the visit hears of it, and says why.
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (field && field->isReadOnly() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typing || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
            key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut)) {
            for (int k = 1; k <= 3; ++k)
                if (field == coefficientField(k))
                    Do(command::Edit{static_cast<Entry>(k - 1), field->text().toStdString()});
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::Do(const Command &command)
{
    visit_.Apply(command);
    showVisit();
}

void MainWindow::showVisit()
{
    const VisitView &view = visit_.View();
    for (int k = 1; k <= 3; ++k) {
        QLineEdit *field = coefficientField(k);
        const QString text = qs(view.coefficients[static_cast<std::size_t>(k - 1)]);
        if (field->text() != text)
            field->setText(text);
        field->setReadOnly(view.locked);
    }
    if (shownTranscript_ != view.transcript) {
        shownTranscript_ = view.transcript;
        // The transcript keeps its CR LF line ends; the field shows plain lines.
        QString lines = qs(shownTranscript_);
        lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        transcriptField()->setPlainText(lines);
    }
    if (view.range != sluch_->selectedRow()) {
        // The visit has chosen already: showing it is no new selection.
        const QSignalBlocker quiet(sluch_);
        sluch_->setCurrentRow(view.range);
    }
    note_->SetNote(view.note);
    // Before Изчисли may go disabled, so that the focus never falls from it
    // to "Изчисти" (clear), where a second Space would wipe the result unread.
    switch (view.focus) {
    case Focus::Introduction:
        pole_[0]->setFocus();
        break;
    case Focus::Transcript:
        transcriptField()->setFocus(Qt::OtherFocusReason);
        break;
    case Focus::Unchanged:
        break;
    }
    buton_[0]->setEnabled(view.calculateEnabled);
    emit visitShown();
}
