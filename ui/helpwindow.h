#pragma once

#include <QCoreApplication>
#include <QDialog>

// The game's help: the HTML help text beside the program, opened at a topic
// (an anchor of that name).
class THelpWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(THelpWindow)

public:
    THelpWindow(const QString& fileName, const QString& topic, QWidget* parent = nullptr);
};
