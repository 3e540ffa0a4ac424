// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window with a label, twelve radio buttons and a push button: what any Qt
// program of Lentaro's size pays to start.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    auto* grid = new QGridLayout(&window);
    grid->addWidget(new QLabel(QStringLiteral("0")), 0, 0, 1, 3);
    for (int i = 0; i < 12; ++i)
        grid->addWidget(new QRadioButton(QStringLiteral("Option %1").arg(i + 1)), 1 + i / 3, i % 3);
    grid->addWidget(new QPushButton(QStringLiteral("Result")), 5, 2);
    window.show();
    return QApplication::exec();
}
