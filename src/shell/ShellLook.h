#pragma once

#include <QString>

class QLabel;
class QLayout;
class QWidget;

// Small pieces of look shared by the start-up, menu and information windows.
namespace ShellLook {

// The program's icons (breeze, from the desktop's shared icon folders) and font (Liberation Sans
// where installed), for the whole process.
void applyProgramLook();

// Resource path of one of our own pictures (":/pictures/<name>.svg").
QString picturePath(const QString &name);

// A label showing one of our pictures, or a theme icon when name has no picture of ours.
QLabel *pictureLabel(const QString &objectName, const QString &picture, int size, QWidget *parent);
QLabel *themeIconLabel(const QString &objectName, const QString &iconName, int size, QWidget *parent);

// The band across the top of the small windows: logo, product name and a subtitle.
QWidget *headerBand(const QString &subtitle, QWidget *parent);

// Title bar without window buttons, as the small fixed windows have.
void setFixedDialogFrame(QWidget *window);

void centreOnScreen(QWidget *window);
void centreOver(QWidget *window, const QWidget *over);

} // namespace ShellLook
