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

// "Output Options": where the report goes (preview at first), and for a
// printer which one, its setup, copies, collation and duplex. OK writes the
// choices into the printer it was given.
class OutputOptionsDialog : public QDialog {
    Q_OBJECT
public:
    OutputOptionsDialog(QPrinter& printer, const QStringList& printerNames, QWidget* parent);

    ReportDestination destination() const;
    // The PDF file for the file destination, ".pdf" added when it has no suffix.
    QString fileName() const;

    void accept() override;

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
