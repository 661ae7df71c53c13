#include "planner/output_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace korvex {

namespace {
constexpr int kMostCopies = 999;
}

OutputOptionsDialog::OutputOptionsDialog(QPrinter& printer, const QStringList& printerNames, QWidget* parent)
    : QDialog(parent)
    , printer_(printer)
    , printerNames_(printerNames)
{
    setObjectName(QStringLiteral("OutputOptions"));
    setWindowTitle(QStringLiteral("Output Options"));
    setModal(true);
    buildControls();
    updateControls();
}

void OutputOptionsDialog::buildControls()
{
    auto* destinationBox = new QGroupBox(QStringLiteral("Report Destination"), this);
    rbPrinter = new QRadioButton(QStringLiteral("P&rinter"), destinationBox);
    rbPreview = new QRadioButton(QStringLiteral("Pre&view"), destinationBox);
    rbFile = new QRadioButton(QStringLiteral("&File"), destinationBox);
    edtFileName = new QLineEdit(destinationBox);
    edtFileName->setAccessibleName(QStringLiteral("File name"));
    edtFileName->setPlaceholderText(QStringLiteral("PDF file"));
    btnBrowse = new QPushButton(QStringLiteral("&Browse..."), destinationBox);
    rbPreview->setChecked(true);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(rbFile);
    fileRow->addWidget(edtFileName, 1);
    fileRow->addWidget(btnBrowse);
    auto* destinationLayout = new QVBoxLayout(destinationBox);
    destinationLayout->addWidget(rbPrinter);
    destinationLayout->addWidget(rbPreview);
    destinationLayout->addLayout(fileRow);

    auto* printerBox = new QGroupBox(QStringLiteral("Printer"), this);
    cboPrinter = new QComboBox(printerBox);
    cboPrinter->addItems(printerNames_);
    const int current = printerNames_.indexOf(printer_.printerName());
    if (current >= 0)
        cboPrinter->setCurrentIndex(current);
    btnSetup = new QPushButton(QStringLiteral("&Setup..."), printerBox);
    spnCopies = new QSpinBox(printerBox);
    spnCopies->setRange(1, kMostCopies);
    spnCopies->setValue(1);
    chkCollate = new QCheckBox(QStringLiteral("C&ollate"), printerBox);
    chkDuplex = new QCheckBox(QStringLiteral("&Duplex"), printerBox);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(cboPrinter, 1);
    printerRow->addWidget(btnSetup);
    auto* printerLayout = new QFormLayout(printerBox);
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), printerBox);
    nameLabel->setBuddy(cboPrinter);
    printerLayout->addRow(nameLabel, printerRow);
    printerLayout->addRow(QStringLiteral("&Copies:"), spnCopies);
    printerLayout->addRow(QString(), chkCollate);
    printerLayout->addRow(QString(), chkDuplex);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(destinationBox);
    layout->addWidget(printerBox);
    layout->addWidget(buttons_);

    rbPrinter->setObjectName(QStringLiteral("rbPrinter"));
    rbPreview->setObjectName(QStringLiteral("rbPreview"));
    rbFile->setObjectName(QStringLiteral("rbFile"));
    edtFileName->setObjectName(QStringLiteral("edtFileName"));
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    cboPrinter->setObjectName(QStringLiteral("cboPrinter"));
    btnSetup->setObjectName(QStringLiteral("btnSetup"));
    spnCopies->setObjectName(QStringLiteral("spnCopies"));
    chkCollate->setObjectName(QStringLiteral("chkCollate"));
    chkDuplex->setObjectName(QStringLiteral("chkDuplex"));

    for (QRadioButton* button : {rbPrinter, rbPreview, rbFile})
        connect(button, &QRadioButton::toggled, this, &OutputOptionsDialog::updateControls);
    connect(edtFileName, &QLineEdit::textChanged, this, &OutputOptionsDialog::updateControls);
    connect(btnBrowse, &QPushButton::clicked, this, &OutputOptionsDialog::browseForFile);
    connect(btnSetup, &QPushButton::clicked, this, &OutputOptionsDialog::setUpPrinter);
    connect(buttons_, &QDialogButtonBox::accepted, this, &OutputOptionsDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &OutputOptionsDialog::reject);
}

// Without a printer only preview and file remain; a file needs a name.
void OutputOptionsDialog::updateControls()
{
    const bool havePrinter = !printerNames_.isEmpty();
    rbPrinter->setEnabled(havePrinter);
    for (QWidget* option : {static_cast<QWidget*>(cboPrinter), static_cast<QWidget*>(btnSetup),
                            static_cast<QWidget*>(spnCopies), static_cast<QWidget*>(chkCollate),
                            static_cast<QWidget*>(chkDuplex)})
        option->setEnabled(havePrinter);
    const bool toFile = rbFile->isChecked();
    edtFileName->setEnabled(toFile);
    btnBrowse->setEnabled(toFile);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!toFile || !edtFileName->text().trimmed().isEmpty());
}

OutputChoice OutputOptionsDialog::choice() const
{
    OutputChoice choice;
    if (rbPrinter->isChecked())
        choice.destination = ReportDestination::Printer;
    else if (rbFile->isChecked())
        choice.destination = ReportDestination::File;
    choice.printerName = cboPrinter->currentText();
    choice.copies = spnCopies->value();
    choice.collate = chkCollate->isChecked();
    choice.duplex = chkDuplex->isChecked();
    choice.fileName = edtFileName->text().trimmed();
    if (!choice.fileName.isEmpty() && QFileInfo(choice.fileName).suffix().isEmpty())
        choice.fileName += QStringLiteral(".pdf");
    return choice;
}

void OutputOptionsDialog::browseForFile()
{
    const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save Report As"), edtFileName->text(),
                                                      QStringLiteral("PDF files (*.pdf)"));
    if (!name.isEmpty())
        edtFileName->setText(name);
}

void OutputOptionsDialog::setUpPrinter()
{
    printer_.setPrinterName(cboPrinter->currentText());
    QPageSetupDialog setup(&printer_, this);
    setup.exec();
}

}  // namespace korvex
