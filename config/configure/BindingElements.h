#pragma once

#include "config/configure/TabletConfigure.h"

#include <QDomDocument>
#include <QDomElement>

#include <map>

// The Button, Key, Dial and Touch elements that bind actions, shared by the configuration files
// and the application profile files. Each reader enters one element into its map(s), replacing an
// entry of the same number; elements without the numbers they need are skipped.

using DialMap = std::map<std::uint16_t, DialConfigure>;

// Button(id) > Action; a Button whose Action gives no action leaves the map as it was.
void readButtonElement(const QDomElement &button, ActionMap &buttons);
// Key(id, virtual) > Action; entered even without an action.
void readKeyElement(const QDomElement &key, ActionMap &keys, ActionMap &virtualKeys);
// Dial(id, index) > ActionPair*; each child element, whatever its name, is one pair.
void readDialElement(const QDomElement &dial, DialMap &dials);
// The two actions of an ActionPair: each goes to the side its orientation names ("left" first,
// "right" second); an Action without orientation goes by position. A pair whose first action is
// empty holds only its "right" Action, which therefore still reads as second.
ActionPair readActionPairElement(const QDomElement &pair);
// Touch(id, event) > Action, keyed by event.
void readTouchElement(const QDomElement &touch, ActionMap &touches);

void writeButtonElements(QDomDocument &document, const ActionMap &buttons, QDomElement &parent);
// The entries of keys with virtual="false", then those of virtualKeys with virtual="true".
void writeKeyElements(QDomDocument &document, const ActionMap &keys, const ActionMap &virtualKeys,
                      QDomElement &parent);
void writeDialElements(QDomDocument &document, const DialMap &dials, QDomElement &parent);
void writeTouchElements(QDomDocument &document, const ActionMap &touches, QDomElement &parent);
