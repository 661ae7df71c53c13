#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QHBoxLayout;
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
    int fromPage = 1;  // the pages to print, counted from 1
    int toPage = 1;
};

struct OutputOptionsSetup {
    QStringList printerNames = {};
    // Offered when the output goes to a file.
    QString suggestedFile = {};
    // Above 0, for printing from the preview: a page range of that many
    // pages in place of the destination, which is then the printer, or a
    // file when no printer is installed.
    int pageCount = 0;
};

// "Output Options": where the report goes (preview at first), and for a
// printer which one, its setup, copies, collation and duplex. The printer's
// own setup works on the printer it was given.
class OutputOptionsDialog : public QDialog {
    Q_OBJECT
public:
    OutputOptionsDialog(QPrinter& printer, OutputOptionsSetup setup, QWidget* parent);

    OutputChoice choice() const;

private:
    QWidget* buildDestination();
    QWidget* buildPageRange();
    QWidget* buildFileBox();
    QWidget* buildPrinterBox();
    void buildFileRow(QHBoxLayout* row, QWidget* box, const QString& fileName);
    void updateControls();
    bool toFile() const;
    void browseForFile();
    void setUpPrinter();

    QPrinter& printer_;
    OutputOptionsSetup setup_;
    QRadioButton* rbPrinter = nullptr;
    QRadioButton* rbPreview = nullptr;
    QRadioButton* rbFile = nullptr;
    QRadioButton* rbAllPages = nullptr;
    QRadioButton* rbPageRange = nullptr;
    QSpinBox* spnFromPage = nullptr;
    QSpinBox* spnToPage = nullptr;
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
