#include "mainwindow.h"

#include "colourbutton.h"
#include "contrast.h"
#include "qttranslations.h"
#include "rangelist.h"
#include "ranges.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelRect(const ControlEntry &entry)
{
    return QRect(Pixels(entry.left), Pixels(entry.top), Pixels(entry.width), Pixels(entry.height));
}

// Twips times the zoom, in logical pixels. Edges are rounded, not sizes, so
// that controls meeting in the table still meet.
int zoomed(int twips, double zoom)
{
    return static_cast<int>(std::lround(twips * zoom / TwipsPerPixel));
}

QRect zoomedRect(const ControlEntry &entry, double zoom)
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

// Texts keep their CR LF line ends; the fields show plain lines.
QString shownText(std::string_view crlfText)
{
    QString text = qs(crlfText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

// The introduction as the field shows it: one plain line each.
QString introductionText(const Catalogue &catalogue)
{
    QString text;
    for (std::string_view line : catalogue.introduction.lines)
        text += qs(line) + QLatin1Char('\n');
    return text;
}

std::string decimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

// Qt shows a top-level QWidget to assistive technology as a plain client
// area, which screen readers call a filler; this one is the program's window.
QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("MainWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
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
    Form_Load();
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
    setTabOrderFromTable();
    tieCaptions();

    connect(butonGroup_, &QButtonGroup::idClicked, this, &MainWindow::Buton_Click);
    connect(sluch_, &QListWidget::itemSelectionChanged, this, &MainWindow::Sluch_Click);

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
            box->setPlainText(introductionText(catalogue_));
        return box;
    }

    auto *box = new QLineEdit(qs(TextsOf(entry, catalogue_).text), this);
    if (entry.settings & Centred)
        box->setAlignment(Qt::AlignCenter);
    if (entry.maxLength > 0)
        box->setMaxLength(entry.maxLength);
    box->setReadOnly(entry.settings & Locked);
    pole_.at(static_cast<std::size_t>(entry.index)) = box;
    // Whatever puts text into the field (typing, pasting, undoing) hands it
    // to the visit, which keeps the text a locked field already has.
    const int k = entry.index;
    connect(box, &QLineEdit::textChanged, this,
            [this, k](const QString &text) { visit_.Edit(k, text.toStdString()); });
    connect(box, &QLineEdit::returnPressed, this,
            [this] { forward([this] { visit_.EnterInField(); }); });
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
    std::array<std::size_t, Controls.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return Controls[a].tabIndex < Controls[b].tabIndex;
    });

    QWidget *previous = nullptr;
    for (std::size_t i : order) {
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
    setFixedSize(actual ? QSize(Pixels(ClientWidth), Pixels(ClientHeight))
                        : QSize(zoomed(ClientWidth, zoom), zoomed(ClientHeight, zoom)));
    QFont scaled = font();
    scaled.setPointSizeF(FontPointSize * zoom);
    setFont(scaled);
    for (std::size_t i = 0; i < Controls.size(); ++i)
        controls_[i]->setGeometry(actual ? pixelRect(Controls[i]) : zoomedRect(Controls[i], zoom));
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

std::string MainWindow::CoefficientText(int k) const
{
    const QLineEdit *field = (k >= 1 && k <= 3) ? coefficientField(k) : nullptr;
    return field ? field->text().toStdString() : std::string();
}

std::string MainWindow::Transcript() const
{
    return visit_.TranscriptText();
}

void MainWindow::SetTranscript(const std::string &text)
{
    visit_.ReplaceTranscript(text);
    showTranscript();
}

void MainWindow::Buton_Click(std::int16_t index)
{
    forward([this, index] { visit_.Buton_Click(index); });
}

void MainWindow::Sluch_Click()
{
    forward([this] { visit_.Sluch_Click(sluch_->selectedRow()); });
}

void MainWindow::Form_Load()
{
    forward([this] { visit_.Form_Load(); });
}

template <typename Command> void MainWindow::forward(Command command)
{
    visit_.SetDecimalSeparator(decimalSeparator());
    command();
    showVisit();
}

void MainWindow::showVisit()
{
    for (int k = 1; k <= 3; ++k) {
        QLineEdit *field = coefficientField(k);
        const QString text = QString::fromStdString(visit_.Field(k));
        if (field->text() != text)
            field->setText(text);
        field->setReadOnly(visit_.FieldsLocked());
    }
    showTranscript();
    if (visit_.SelectedRange() != sluch_->selectedRow()) {
        // The visit has chosen already: showing it is no new selection.
        const QSignalBlocker quiet(sluch_);
        sluch_->setCurrentRow(visit_.SelectedRange());
    }
    // Before Изчисли may go disabled, so that the focus never falls from it
    // to "Изчисти" (clear), where a second Space would wipe the result unread.
    switch (visit_.FocusAfter()) {
    case Focus::Introduction:
        pole_[0]->setFocus();
        break;
    case Focus::Transcript:
        transcriptField()->setFocus(Qt::OtherFocusReason);
        break;
    case Focus::Unchanged:
        break;
    }
    buton_[0]->setEnabled(visit_.CalculateEnabled());
    emit visitShown();
}

void MainWindow::showTranscript()
{
    if (shownTranscript_ == visit_.TranscriptText())
        return;
    shownTranscript_ = visit_.TranscriptText();
    transcriptField()->setPlainText(shownText(shownTranscript_));
}
