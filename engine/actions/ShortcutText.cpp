#include "engine/actions/ShortcutText.h"

#include "engine/output/KeyNames.h"

#include <QStringList>

namespace {

const QString PlusKeyName = QStringLiteral("+");

std::uint32_t modifierOf(const QString &upperPart)
{
    if (upperPart == QLatin1String("SHIFT"))
        return KeyboardEvent::Shift;
    if (upperPart == QLatin1String("CTRL"))
        return KeyboardEvent::Ctrl;
    if (upperPart == QLatin1String("META") || upperPart == QLatin1String("WIN"))
        return KeyboardEvent::Win;
    if (upperPart == QLatin1String("ALT"))
        return KeyboardEvent::Alt;
    // Windows reads the AltGr key as Ctrl+Alt, which is what a keyboard report can carry.
    if (upperPart == QLatin1String("ALTGR"))
        return KeyboardEvent::Ctrl | KeyboardEvent::Alt;
    return 0;
}

std::int32_t usageCodeOf(const QStringList &keyNames, int index)
{
    if (index >= keyNames.size())
        return KeyboardEvent::NoKey;
    int code = KeyNames::NotFound;
    KeyNames::keyNameToVirtualKey(keyNames.at(index).toStdString(), code, KeyTable::Usage);
    return code;
}

bool typesNothing(const KeyboardEvent &step)
{
    return step.modifiers == 0 && step.isModifierOnly();
}

} // namespace

KeyboardEvent ShortcutText::parseStep(const QString &step)
{
    std::uint32_t modifiers = 0;
    QStringList keyNames;
    for (const QString &part : step.split(QLatin1Char('+'))) {
        const QString name = part.trimmed().toUpper();
        const std::uint32_t modifier = modifierOf(name);
        if (modifier != 0)
            modifiers |= modifier;
        else if (!name.isEmpty())
            keyNames.append(name);
    }
    // Splitting at "+" loses the "+" key itself; "Ctrl++" names it.
    if (step.contains(QLatin1String("++")) && !keyNames.contains(PlusKeyName))
        keyNames.append(PlusKeyName);
    return KeyboardEvent(modifiers, usageCodeOf(keyNames, 0), usageCodeOf(keyNames, 1), true);
}

std::vector<KeyboardEvent> ShortcutText::steps(const QString &hotkeyText)
{
    QString text = hotkeyText;
    text.replace(QLatin1String("Num(+)"), QLatin1String("Num(Plus)"));
    std::vector<KeyboardEvent> events;
    for (const QString &step : text.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        events.push_back(parseStep(step));
    return events;
}

std::vector<KeyboardEvent> ShortcutText::keyStrokes(const QString &hotkeyText, bool pressed,
                                                    bool hotkeySync)
{
    const std::vector<KeyboardEvent> parsed = steps(hotkeyText);
    const bool single = parsed.size() == 1;
    if (parsed.empty() || (single && typesNothing(parsed.front())))
        return {};
    if (single && hotkeySync) {
        KeyboardEvent held = parsed.front();
        held.pressed = pressed;
        return {held};
    }
    if (!pressed)
        return {};
    std::vector<KeyboardEvent> strokes;
    for (const KeyboardEvent &step : parsed) {
        strokes.push_back(step);
        strokes.push_back(step.released());
    }
    return strokes;
}
