#pragma once

// The teacher's worksheet from the window: every choice in one dialog, a
// preview of the first page that follows the choices, the system's print
// dialog and Save as PDF. The sheet is the one the command line writes for the
// same code and choices; the preview, the printer and the PDF are set by the
// same painter.
//
// Its texts are in the window's language; the sheet's language is one of the
// choices and starts as the window's. With Qt::WA_WindowPropagation it takes
// the font of the window it is opened from.

#include "catalogue.h"
#include "sheetdocument.h"
#include "worksheetchoices.h"

#include <QDialog>
#include <QPrinter>

#include <optional>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPushButton;
class QSpinBox;
class QTimer;
QT_END_NAMESPACE

class WorksheetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WorksheetDialog(const Catalogue &language, QWidget *parent = nullptr);

    // The choices as the controls hold them; none while the code is refused.
    std::optional<WorksheetChoices> Choices() const;
    // Sets every control; a code of 0 draws a fresh one.
    void SetChoices(const WorksheetChoices &choices);

    // Writes the sheet as PDF to the file, replacing it only when whole.
    // False, with the reason shown in the dialog, when the code is refused or
    // the file cannot be written; then no file is touched.
    bool SaveAsPdf(const QString &path);
    // Sets the sheet on a printer the caller has set up. False as above.
    bool PrintOn(QPrinter &printer);

    QSpinBox *Count() const { return count_; }
    QComboBox *Range() const { return range_; }
    QSpinBox *Variants() const { return variants_; }
    QLineEdit *Code() const { return code_; }
    QPushButton *NewCode() const { return newCode_; }
    QComboBox *SheetLanguage() const { return language_; }
    QSpinBox *Unsolvable() const { return unsolvable_; }
    QCheckBox *Zeros() const { return zeros_; }
    QCheckBox *Euclid() const { return euclid_; }
    QCheckBox *Pictures() const { return pictures_; }
    QComboBox *PaperList() const { return paper_; }
    QSpinBox *Space() const { return space_; }
    QSpinBox *Points() const { return points_; }
    QSpinBox *WordProblems() const { return wordProblems_; }
    QPrintPreviewWidget *Preview() const { return preview_; }
    QLabel *Message() const { return message_; }
    QPushButton *PrintButton() const { return print_; }
    QPushButton *SaveButton() const { return save_; }
    QPushButton *CloseButton() const { return close_; }

private:
    void CreateControls();
    void ChoicesChanged();
    void ShowProblem(const QString &text);
    void DrawCode();
    void UpdatePreview();
    void PaintPreview(QPrinter *printer);
    void PrintSheet();
    void SaveSheet();

    const Catalogue &catalogue_;
    QPrinter printer_{QPrinter::HighResolution};
    // The sheet of the last accepted choices, which the preview shows.
    std::optional<SheetDocument> document_;
    QString folder_; // where the last PDF went

    QSpinBox *count_ = nullptr;
    QComboBox *range_ = nullptr;
    QSpinBox *variants_ = nullptr;
    QLineEdit *code_ = nullptr;
    QPushButton *newCode_ = nullptr;
    QComboBox *language_ = nullptr;
    QSpinBox *unsolvable_ = nullptr;
    QCheckBox *zeros_ = nullptr;
    QCheckBox *euclid_ = nullptr;
    QCheckBox *pictures_ = nullptr;
    QComboBox *paper_ = nullptr;
    QSpinBox *space_ = nullptr;        // centimetres under each equation
    QSpinBox *points_ = nullptr;       // per item
    QSpinBox *wordProblems_ = nullptr; // per cent of the items
    QPrintPreviewWidget *preview_ = nullptr;
    QLabel *message_ = nullptr;
    QPushButton *print_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *close_ = nullptr;
    QTimer *previewTimer_ = nullptr;
};
