#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace korvex {

enum class ReportDestination { Printer, Preview, File };

struct OutputChoice {
    ReportDestination destination = ReportDestination::Preview;
    QString printerName;
    int copies = 1;
    bool collate = false;
    bool duplex = false;
    QString fileName;  // a PDF file; ".pdf" added when the name has no suffix
};

// "Output Options": where the report goes (preview at first), and for a
// printer which one, its setup, copies, collation and duplex. The printer's
// own setup works on the printer it was given.
class OutputOptionsDialog : public QDialog {
    Q_OBJECT
public:
    OutputOptionsDialog(QPrinter& printer, const QStringList& printerNames, QWidget* parent);

    OutputChoice choice() const;

private:
    void buildControls();
    void updateControls();
    void browseForFile();
    void setUpPrinter();

    QPrinter& printer_;
    QStringList printerNames_;
    QRadioButton* rbPrinter = nullptr;
    QRadioButton* rbPreview = nullptr;
    QRadioButton* rbFile = nullptr;
    QLineEdit* edtFileName = nullptr;
    QPushButton* btnBrowse = nullptr;
    QComboBox* cboPrinter = nullptr;
    QPushButton* btnSetup = nullptr;
    QSpinBox* spnCopies = nullptr;
    QCheckBox* chkCollate = nullptr;
    QCheckBox* chkDuplex = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace korvex
