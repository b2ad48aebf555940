// The editor grid's tools: shifting, mirroring and inverting the glyph,
// painted strokes, and undo and redo of every change of the grid. The tools
// sit in the grid's context menu, with shortcuts that work while the grid
// has the focus, so that the boxes keep their own Ctrl+Z.

#include "ui/form1.h"

#include "ui/pixel_grid.h"

#include <QAction>
#include <QGroupBox>
#include <QUndoStack>

namespace vorlix {

namespace {

// One change of the grid: its undo and redo show the glyph before and after.
class GlyphChange : public QUndoCommand {
public:
    GlyphChange(std::function<void()> redo, std::function<void()> undo)
        : redo_(std::move(redo)), undo_(std::move(undo)) {}
    void redo() override { redo_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> redo_;
    std::function<void()> undo_;
};

} // namespace

void Form1::buildGridTools() {
    undo_ = new QUndoStack(this);
    const auto apply = [this](Glyph (*tool)(const Glyph&)) {
        return [this, tool] { changeGlyph(tool(glyph_)); };
    };
    const auto shift = [this](int columns, int rows) {
        return [this, columns, rows] { changeGlyph(shifted(glyph_, columns, rows)); };
    };
    const auto tool = [this](const char* name, const QString& text, QKeySequence keys,
                             std::function<void()> run) {
        auto* action = new QAction(text, fraFont0);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, std::move(run));
        return action;
    };
    QAction* actions[] = {
        tool("Shift Up", tr("Shift Up"), QKeySequence(Qt::CTRL | Qt::Key_Up), shift(0, -1)),
        tool("Shift Down", tr("Shift Down"), QKeySequence(Qt::CTRL | Qt::Key_Down), shift(0, 1)),
        tool("Shift Left", tr("Shift Left"), QKeySequence(Qt::CTRL | Qt::Key_Left), shift(-1, 0)),
        tool("Shift Right", tr("Shift Right"), QKeySequence(Qt::CTRL | Qt::Key_Right), shift(1, 0)),
        tool("Mirror Left to Right", tr("Mirror Left to Right"), QKeySequence(Qt::CTRL | Qt::Key_M),
             apply(mirroredLeftRight)),
        tool("Mirror Top to Bottom", tr("Mirror Top to Bottom"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), apply(mirroredTopBottom)),
        tool("Invert Dots", tr("Invert Dots"), QKeySequence(Qt::CTRL | Qt::Key_I), apply(inverted)),
        new QAction(fraFont0),
        undo_->createUndoAction(fraFont0, tr("Undo")),
        undo_->createRedoAction(fraFont0, tr("Redo")),
    };
    actions[7]->setSeparator(true);
    actions[8]->setObjectName(QStringLiteral("Undo"));
    actions[8]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions[9]->setObjectName(QStringLiteral("Redo"));
    actions[9]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    // A stroke painted by dragging is one change, undone at once.
    connect(findChild<PixelGrid*>(), &PixelGrid::painted, this,
            [this](const QList<int>& indexes, bool lit) {
                Glyph changed = glyph_;
                for (const int i : indexes) {
                    changed.dots[i / Glyph::rows][i % Glyph::rows] = lit;
                }
                changeGlyph(changed);
            });
    fraFont0->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* action : actions) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        fraFont0->addAction(action);
    }
}

void Form1::setGlyph(const Glyph& glyph) {
    glyph_ = glyph;
    showGlyph();
    CONVERT();
}

void Form1::changeGlyph(const Glyph& changed, const std::function<void()>& shownInstead) {
    const Glyph before = glyph_;
    undo_->push(new GlyphChange(
        [this, changed, shownInstead] {
            if (shownInstead) {
                glyph_ = changed;
                showGlyph();
                shownInstead();
            } else {
                setGlyph(changed);
            }
        },
        [this, before] { setGlyph(before); }));
}

} // namespace vorlix
