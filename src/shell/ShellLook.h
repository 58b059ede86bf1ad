#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QLayout;
class QWidget;

// Small pieces of look shared by the start-up, menu and information windows.
namespace ShellLook {

// The program's named colours: every window takes its shades from here.
namespace Palette {
inline constexpr QColor navy{0x1f, 0x3b, 0x63}; // headings, the header band's first stop, pressed buttons
inline constexpr QColor blue{0x2f, 0x6d, 0xb3}; // main buttons, the header band's last stop
inline constexpr QColor blueHover{0x25, 0x5a, 0x96};
inline constexpr QColor ink{0x3b, 0x46, 0x54};         // body text on white
inline constexpr QColor muted{0x5a, 0x66, 0x75};       // explanations beside the fields
inline constexpr QColor border{0xd5, 0xdc, 0xe6};      // frames of the white cards and bars
inline constexpr QColor page{0xee, 0xf2, 0xf7};        // the background the cards sit on
inline constexpr QColor rule{0xe3, 0xe8, 0xee};        // lines inside a card
inline constexpr QColor faint{0xc9, 0xd0, 0xda};       // disabled buttons, dashed frames
inline constexpr QColor wash{0xf4, 0xf6, 0xf9};        // text on faint, boxes waiting for content
inline constexpr QColor tint{0xe3, 0xeb, 0xf6};        // a flat button under the mouse
inline constexpr QColor tintPressed{0xcf, 0xdc, 0xee}; // ... and pressed
inline constexpr QColor focusEdge{0xf2, 0xa9, 0x3b};   // where Enter has brought the focus
inline constexpr QColor alert{0x80, 0x00, 0x00};       // waiting lines and totals (maroon)
inline constexpr QColor crimson{0xdc, 0x14, 0x3c};     // a computed stock figure
inline constexpr QColor link{0x00, 0x00, 0x8b};        // link text (dark blue)
inline constexpr QColor linkPressed{0xff, 0x8c, 0x00}; // ... while the mouse is down on it (orange)
inline constexpr QColor warningBack{0xfd, 0xe8, 0xe6}; // the banner of deadlines due
inline constexpr QColor warningText{0xb3, 0x26, 0x1e};
inline constexpr QColor okBack{0xe6, 0xf4, 0xea}; // the banner of nothing due
inline constexpr QColor okText{0x1e, 0x6b, 0x34};
inline constexpr QColor paper{0xfb, 0xfc, 0xfe};         // long texts to read (help)
inline constexpr QColor paperInk{0x27, 0x31, 0x3d};      // ... and their text
inline constexpr QColor highlight{0xff, 0xec, 0x6e};     // the yellow band around the focused field
inline constexpr QColor highlightEdge{0xff, 0xcc, 0x00}; // its inner edge
inline constexpr QColor highlightGlow{0xff, 0xf8, 0xc8}; // its outer edge, towards white
} // namespace Palette

// "color: #rrggbb;" for a label's style sheet.
QString textColourStyle(const QColor &colour);
// A label's text colour through its palette.
void setTextColour(QWidget *widget, const QColor &colour);
// The big blue button of the menu and year windows, with the orange edge of the focus.
QString mainButtonStyle();

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
