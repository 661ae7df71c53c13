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

#include <algorithm>

namespace korvex {

namespace {

constexpr int kMostCopies = 999;

QRadioButton* radio(const char* name, const char* text, QWidget* parent)
{
    auto* button = new QRadioButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

OutputOptionsDialog::OutputOptionsDialog(QPrinter& printer, OutputOptionsSetup setup, QWidget* parent)
    : QDialog(parent)
    , printer_(printer)
    , setup_(std::move(setup))
{
    setObjectName(QStringLiteral("OutputOptions"));
    setWindowTitle(QStringLiteral("Output Options"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    if (setup_.pageCount > 0) {
        layout->addWidget(buildPageRange());
        if (setup_.printerNames.isEmpty())
            layout->addWidget(buildFileBox());
    } else {
        layout->addWidget(buildDestination());
    }
    layout->addWidget(buildPrinterBox());
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &OutputOptionsDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &OutputOptionsDialog::reject);
    updateControls();
}

QWidget* OutputOptionsDialog::buildDestination()
{
    auto* box = new QGroupBox(QStringLiteral("Report Destination"), this);
    rbPrinter = radio("rbPrinter", "P&rinter", box);
    rbPreview = radio("rbPreview", "Pre&view", box);
    rbFile = radio("rbFile", "&File", box);
    rbPreview->setChecked(true);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(rbFile);
    buildFileRow(fileRow, box, QString());
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(rbPrinter);
    layout->addWidget(rbPreview);
    layout->addLayout(fileRow);
    for (QRadioButton* button : {rbPrinter, rbPreview, rbFile})
        connect(button, &QRadioButton::toggled, this, &OutputOptionsDialog::updateControls);
    // A file starts with the suggested name; what the user types stays.
    connect(rbFile, &QRadioButton::toggled, this, [this](bool on) {
        if (on && edtFileName->text().isEmpty())
            edtFileName->setText(setup_.suggestedFile);
    });
    return box;
}

QWidget* OutputOptionsDialog::buildPageRange()
{
    auto* box = new QGroupBox(QStringLiteral("Page Range"), this);
    rbAllPages = radio("rbAllPages", "&All", box);
    rbPageRange = radio("rbPageRange", "Pa&ges", box);
    rbAllPages->setChecked(true);
    auto spin = [box, this](const char* name, const char* caption, QHBoxLayout* row) {
        auto* field = new QSpinBox(box);
        field->setObjectName(QString::fromLatin1(name));
        field->setRange(1, setup_.pageCount);
        auto* label = new QLabel(QString::fromLatin1(caption), box);
        label->setBuddy(field);
        row->addWidget(label);
        row->addWidget(field);
        return field;
    };
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(rbPageRange);
    spnFromPage = spin("spnFromPage", "Fro&m:", rangeRow);
    spnToPage = spin("spnToPage", "&To:", rangeRow);
    spnToPage->setValue(setup_.pageCount);
    rangeRow->addStretch(1);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(rbAllPages);
    layout->addLayout(rangeRow);
    connect(rbPageRange, &QRadioButton::toggled, this, &OutputOptionsDialog::updateControls);
    // The range never runs backwards.
    connect(spnFromPage, &QSpinBox::valueChanged, spnToPage, &QSpinBox::setMinimum);
    return box;
}

QWidget* OutputOptionsDialog::buildFileBox()
{
    auto* box = new QGroupBox(QStringLiteral("&File"), this);
    auto* row = new QHBoxLayout(box);
    buildFileRow(row, box, setup_.suggestedFile);
    return box;
}

void OutputOptionsDialog::buildFileRow(QHBoxLayout* row, QWidget* box, const QString& fileName)
{
    edtFileName = new QLineEdit(fileName, box);
    edtFileName->setObjectName(QStringLiteral("edtFileName"));
    edtFileName->setAccessibleName(QStringLiteral("File name"));
    edtFileName->setPlaceholderText(QStringLiteral("PDF file"));
    btnBrowse = new QPushButton(QStringLiteral("&Browse..."), box);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    row->addWidget(edtFileName, 1);
    row->addWidget(btnBrowse);
    connect(edtFileName, &QLineEdit::textChanged, this, &OutputOptionsDialog::updateControls);
    connect(btnBrowse, &QPushButton::clicked, this, &OutputOptionsDialog::browseForFile);
}

QWidget* OutputOptionsDialog::buildPrinterBox()
{
    auto* box = new QGroupBox(QStringLiteral("Printer"), this);
    cboPrinter = new QComboBox(box);
    cboPrinter->addItems(setup_.printerNames);
    const int current = setup_.printerNames.indexOf(printer_.printerName());
    if (current >= 0)
        cboPrinter->setCurrentIndex(current);
    btnSetup = new QPushButton(QStringLiteral("&Setup..."), box);
    spnCopies = new QSpinBox(box);
    spnCopies->setRange(1, kMostCopies);
    spnCopies->setValue(1);
    chkCollate = new QCheckBox(QStringLiteral("C&ollate"), box);
    chkDuplex = new QCheckBox(QStringLiteral("&Duplex"), box);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(cboPrinter, 1);
    printerRow->addWidget(btnSetup);
    auto* layout = new QFormLayout(box);
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), box);
    nameLabel->setBuddy(cboPrinter);
    layout->addRow(nameLabel, printerRow);
    layout->addRow(QStringLiteral("&Copies:"), spnCopies);
    layout->addRow(QString(), chkCollate);
    layout->addRow(QString(), chkDuplex);

    cboPrinter->setObjectName(QStringLiteral("cboPrinter"));
    btnSetup->setObjectName(QStringLiteral("btnSetup"));
    spnCopies->setObjectName(QStringLiteral("spnCopies"));
    chkCollate->setObjectName(QStringLiteral("chkCollate"));
    chkDuplex->setObjectName(QStringLiteral("chkDuplex"));
    connect(btnSetup, &QPushButton::clicked, this, &OutputOptionsDialog::setUpPrinter);
    return box;
}

bool OutputOptionsDialog::toFile() const
{
    return rbFile ? rbFile->isChecked() : setup_.printerNames.isEmpty();
}

// Without a printer only preview and file remain; a file needs a name.
void OutputOptionsDialog::updateControls()
{
    const bool havePrinter = !setup_.printerNames.isEmpty();
    if (rbPrinter)
        rbPrinter->setEnabled(havePrinter);
    for (QWidget* option : {static_cast<QWidget*>(cboPrinter), static_cast<QWidget*>(btnSetup),
                            static_cast<QWidget*>(spnCopies), static_cast<QWidget*>(chkCollate),
                            static_cast<QWidget*>(chkDuplex)})
        option->setEnabled(havePrinter);
    if (rbPageRange) {
        spnFromPage->setEnabled(rbPageRange->isChecked());
        spnToPage->setEnabled(rbPageRange->isChecked());
    }
    if (edtFileName) {
        edtFileName->setEnabled(toFile());
        btnBrowse->setEnabled(toFile());
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!toFile() || !edtFileName->text().trimmed().isEmpty());
}

OutputChoice OutputOptionsDialog::choice() const
{
    OutputChoice choice;
    if (toFile())
        choice.destination = ReportDestination::File;
    else if (!rbPreview || rbPrinter->isChecked())
        choice.destination = ReportDestination::Printer;
    choice.printerName = cboPrinter->currentText();
    choice.copies = spnCopies->value();
    choice.collate = chkCollate->isChecked();
    choice.duplex = chkDuplex->isChecked();
    if (edtFileName)
        choice.fileName = edtFileName->text().trimmed();
    if (!choice.fileName.isEmpty() && QFileInfo(choice.fileName).suffix().isEmpty())
        choice.fileName += QStringLiteral(".pdf");
    const bool range = rbPageRange && rbPageRange->isChecked();
    choice.fromPage = range ? spnFromPage->value() : 1;
    choice.toPage = range ? spnToPage->value() : std::max(setup_.pageCount, 1);
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
