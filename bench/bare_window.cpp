// The yardstick for the calculator's start-up: a plain Qt window of the same
// size with five pages of ordinary fields, lists and buttons, nothing else.

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QWidget* ordinaryPage(int number)
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    for (int row = 0; row < 6; ++row)
        form->addRow(QStringLiteral("Field %1.%2:").arg(number).arg(row), new QLineEdit);
    auto* choice = new QComboBox;
    choice->addItems({QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third")});
    form->addRow(QStringLiteral("Choice:"), choice);
    auto* list = new QListWidget;
    for (int item = 0; item < 8; ++item)
        list->addItem(QStringLiteral("Item %1").arg(item));
    form->addRow(list);
    form->addRow(new QTextEdit);
    form->addRow(new QPushButton(QStringLiteral("Calculate")));
    form->addRow(new QPushButton(QStringLiteral("Reset")));
    return page;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(735, 630);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(8, 8, 718, 593);
    for (int number = 1; number <= 5; ++number)
        tabs->addTab(ordinaryPage(number), QStringLiteral("Page %1").arg(number));
    window.show();
    return app.exec();
}
