#pragma once
#include <QDialog>

#include <functional>

#include "core/print/DumpText.h"
#include "core/settings/Settings.h"
#include "gui/dialogs/HelpHandler.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPrinter;
class QRadioButton;

namespace qhe {

// What the print dialog hands on when Preview/Print is pressed.
struct PrintDialogValues {
    PrintSettings settings;
    DumpRangeKind range = DumpRangeKind::CurrentPage;
    bool pdfEntry = false; // the printer list's last entry, Qt's PDF writer
};

// The print dialog TFormPrint. onPreviewPrint runs the output and answers true to close the dialog
// with OK (the caller then writes the settings); false keeps it open.
class TFormPrint : public QDialog {
    Q_OBJECT
  public:
    TFormPrint(const PrintSettings& settings, bool blockExists, QWidget* parent = nullptr);

    std::function<bool(const PrintDialogValues&)> onPreviewPrint;
    // Asked for the dialog's help topic by the Help button.
    HelpHandler help;

    PrintDialogValues Values() const;
    // Sets printer to the chosen printer (or the PDF writer), orientation included.
    void ConfigurePrinter(QPrinter& printer) const;

    // Pushes the four margins against the chosen printer's unprintable border and reads them back:
    // a margin inside the border becomes the border.
    void PushMargins();

  private:
    void UnitChanged(int unit);
    void PreviewPrintClicked();

    QComboBox* printers_ = nullptr;
    QRadioButton *curPage_ = nullptr, *curSelection_ = nullptr, *allPages_ = nullptr;
    QComboBox* fontSize_ = nullptr;
    QComboBox* bytesPerRow_ = nullptr;
    QDoubleSpinBox *left_ = nullptr, *right_ = nullptr, *top_ = nullptr, *bottom_ = nullptr;
    QComboBox* unit_ = nullptr;
    QCheckBox *landscape_ = nullptr, *decimal_ = nullptr, *textBelow_ = nullptr, *toFile_ = nullptr;
    int installedPrinters_ = 0;
    int shownUnit_ = 0;
};

} // namespace qhe
