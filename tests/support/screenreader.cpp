#include "support/screenreader.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace {

QList<const QObject*> changed;

void recordChange(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::NameChanged)
        changed << event->object();
}

void walk(QAccessibleInterface* iface, const std::function<void(QAccessibleInterface*)>& visit)
{
    visit(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* child = iface->child(i))
            walk(child, visit);
}

} // namespace

QString spokenName(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

QStringList spokenTree(QObject* root)
{
    QStringList lines;
    walk(QAccessible::queryAccessibleInterface(root), [&](QAccessibleInterface* iface) {
        lines << QStringLiteral("%1: %2").arg(int(iface->role())).arg(iface->text(QAccessible::Name));
    });
    return lines;
}

QStringList namedByIdentifiers(QObject* root)
{
    QSet<QString> identifiers;
    for (const QObject* o : root->findChildren<QObject*>())
        if (!o->objectName().isEmpty())
            identifiers << o->objectName();
    identifiers << root->objectName();
    // the design's control names: a kind prefix or a toolkit default, maybe with an index
    static const QRegularExpression looksLikeOne(
        QStringLiteral("^(frm|Frm|cmd|cmD|lbl|pic|img|opt|Opt|scr|fra|mnu|tmr|Label\\d|Picture\\d|Command\\d|"
                       "Image\\d|Option\\d|Shape\\d|Line\\d|Frame\\d|Form\\d)\\w*(\\(\\d+\\))?$"));
    QStringList found;
    walk(QAccessible::queryAccessibleInterface(root), [&](QAccessibleInterface* iface) {
        const QString name = iface->text(QAccessible::Name);
        if (identifiers.contains(name) || looksLikeOne.match(name).hasMatch())
            found << QStringLiteral("%1 named \"%2\"").arg(iface->object() ? iface->object()->objectName() : QString(),
                                                           name);
    });
    return found;
}

NameChanges::NameChanges()
{
    changed.clear();
    QAccessible::installUpdateHandler(recordChange);
    QAccessible::setActive(true);
}

NameChanges::~NameChanges()
{
    QAccessible::installUpdateHandler(nullptr);
    changed.clear();
}

int NameChanges::of(const QObject* object) const
{
    return int(changed.count(object));
}

void NameChanges::clear()
{
    changed.clear();
}

void press(int key, Qt::KeyboardModifiers modifiers)
{
    // no widget: QTest sends the key where the focus is
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key), modifiers);
}

QWidget* focused()
{
    return QApplication::focusWidget();
}

bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
