#include "ui/control_tips.h"

#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QWidget>

namespace vorlix {

namespace {

class ControlTips {
    Q_DECLARE_TR_FUNCTIONS(vorlix::ControlTips)
public:
    // By the control's name, or its array's.
    static QHash<QString, QString> byName() {
        const QString grid = tr("The character being drawn, 5 columns of 8 dots: click a dot or "
                                "drag across dots to light or darken them, or use the arrow keys "
                                "and Space; right-click for the grid's tools and Undo.");
        const QString stored =
            tr("The glyph of the line chosen in the fonts list, as the library holds it.");
        return {
            {QStringLiteral("fraFont(0)"), grid},
            {QStringLiteral("cmdPixel"), grid},
            {QStringLiteral("fraFont(1)"), stored},
            {QStringLiteral("cmdPIX"), stored},
            {QStringLiteral("Label1(0)"),
             tr("Each column's eight bits, the most significant first: the top row's leads, or "
                "the bottom row's with Swap MSB/ LSB ticked, whatever the caption says.")},
            {QStringLiteral("Label1(1)"),
             tr("Each column's value in hex, the form the library stores.")},
            {QStringLiteral("Label1(2)"), tr("Each column's value in decimal.")},
            {QStringLiteral("col"),
             tr("The column as eight binary digits, the most significant first, written "
                "anew at every change of the grid.")},
            {QStringLiteral("txtHEX"),
             tr("The column's value in hex, which Append to file stores, written anew "
                "at every change of the grid.")},
            {QStringLiteral("txtDec"),
             tr("The column's value in decimal, written anew at every change of the "
                "grid.")},
            {QStringLiteral("chkInvert"),
             tr("Invert Bits: a lit dot is a 1 bit instead of a 0 bit, so the "
                "column shown as &H81 becomes &H7E.")},
            {QStringLiteral("chkINVCOLS"),
             tr("Invert Columns in file: a character appended to the library is written with "
                "its five columns last first, mirrored left to right; one that replaces a stored "
                "character is written as shown.")},
            {QStringLiteral("chkMSB"),
             tr("Swap MSB/ LSB: the bottom row becomes the most significant bit, so with "
                "only the top dot lit the column shown as &H7F becomes &HFE.")},
            {QStringLiteral("cmdSAVE"),
             tr("Append to file: saves the drawing under the character in the CHAR "
                "box, appended to the library, or in place of the stored one after "
                "asking.")},
            {QStringLiteral("Command2"),
             tr("Clear Font Data: darkens every dot and empties the column boxes "
                "and the character box; the library is not changed.")},
            {QStringLiteral("cmdLIST"),
             tr("Shows the fonts list over the editor, or hides it again.")},
            {QStringLiteral("txtMSG"),
             tr("The message to write as a table, at most 42 characters; F5 shows it "
                "on the spinning stick.")},
            {QStringLiteral("txtDATA"),
             tr("The table that Convert Text writes, which you may edit before you "
                "copy it; right-click for the spin preview.")},
            {QStringLiteral("chkBLANK"),
             tr("Adds a sixth value to each line of the table, the prefix and FF: a "
                "dark column between characters with the bits as they are by "
                "default.")},
            {QStringLiteral("txtPrefix"),
             tr("Written before every value of the table, at most two characters, "
                "such as 0x, $ or nothing.")},
            {QStringLiteral("cmdTABLE"),
             tr("Convert Text: writes the message's table into the box, two comment "
                "lines and then a dt line of each character's five columns from "
                "the library.")},
            {QStringLiteral("Command1"),
             tr("Copies the text of the table box, as it is now, to the system "
                "clipboard.")},
            {QStringLiteral("lstFONTS"),
             tr("The library's glyphs in file order: click one to see it under Font "
                "Preview, double-click to edit it, or right-click to delete, import "
                "or export.")},
        };
    }
};

} // namespace

void explain(QWidget* control, const QString& tip) {
    control->setToolTip(tip);
    control->setAccessibleDescription(tip);
}

void explainMainWindow(QWidget* window) {
    const QHash<QString, QString> tips = ControlTips::byName();
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const QString name = control->objectName();
        const QString tip = tips.value(name, tips.value(name.section(QLatin1Char('('), 0, 0)));
        if (!tip.isEmpty()) {
            explain(control, tip);
        } else if (!control->toolTip().isEmpty()) {
            explain(control, control->toolTip());
        }
    }
    // Once the boxes are explained: their captions say the same.
    for (QWidget* control : controls) {
        const auto* caption = qobject_cast<QLabel*>(control);
        if (caption && caption->buddy()) {
            explain(control, caption->buddy()->toolTip());
        }
    }
}

} // namespace vorlix
