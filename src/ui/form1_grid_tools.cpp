// The editor grid's tools: shifting, mirroring and inverting the glyph, and
// undo and redo of every change of the grid. They sit in the grid's context
// menu, with shortcuts that work while the grid has the focus, so that the
// boxes keep their own Ctrl+Z.

#include "ui/form1.h"

#include <QAction>
#include <QGroupBox>

namespace vorlix {

void Form1::buildGridTools() {
    struct Tool {
        QString text;
        QKeySequence keys;
        std::function<void()> run;
    };
    const auto apply = [this](Glyph (*tool)(const Glyph&)) {
        return [this, tool] { changeGlyph(tool(glyph_)); };
    };
    const auto shift = [this](int columns, int rows) {
        return [this, columns, rows] { changeGlyph(shifted(glyph_, columns, rows)); };
    };
    const Tool tools[] = {
        {QStringLiteral("Shift Up"), QKeySequence(Qt::CTRL | Qt::Key_Up), shift(0, -1)},
        {QStringLiteral("Shift Down"), QKeySequence(Qt::CTRL | Qt::Key_Down), shift(0, 1)},
        {QStringLiteral("Shift Left"), QKeySequence(Qt::CTRL | Qt::Key_Left), shift(-1, 0)},
        {QStringLiteral("Shift Right"), QKeySequence(Qt::CTRL | Qt::Key_Right), shift(1, 0)},
        {QStringLiteral("Mirror Left to Right"), QKeySequence(Qt::CTRL | Qt::Key_M),
         apply(mirroredLeftRight)},
        {QStringLiteral("Mirror Top to Bottom"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M),
         apply(mirroredTopBottom)},
        {QStringLiteral("Invert Dots"), QKeySequence(Qt::CTRL | Qt::Key_I), apply(inverted)},
        {QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undoGlyph(); }},
        {QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
         [this] { redoGlyph(); }},
    };
    fraFont0->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const Tool& tool : tools) {
        auto* action = new QAction(tool.text, fraFont0);
        action->setObjectName(tool.text);
        action->setShortcut(tool.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, tool.run);
        fraFont0->addAction(action);
        if (tool.text == QStringLiteral("Invert Dots")) {
            auto* separator = new QAction(fraFont0);
            separator->setSeparator(true);
            fraFont0->addAction(separator);
        }
    }
}

void Form1::changeGlyph(const Glyph& changed) {
    history_.changed(glyph_);
    glyph_ = changed;
    showGlyph();
    CONVERT();
}

void Form1::undoGlyph() {
    if (history_.canUndo()) {
        glyph_ = history_.undo(glyph_);
        showGlyph();
        CONVERT();
    }
}

void Form1::redoGlyph() {
    if (history_.canRedo()) {
        glyph_ = history_.redo(glyph_);
        showGlyph();
        CONVERT();
    }
}

} // namespace vorlix
