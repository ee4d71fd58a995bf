#pragma once

#include "config/actions/TabletAction.h"

#include <QDomDocument>
#include <QDomElement>

// Reads an Action element of a configuration or profile file; an empty pointer when its type
// attribute is missing or names no known kind of action.
TabletActionPtr readActionElement(const QDomElement &element);

// Appends an Action element for the action under parent and returns it, so that the caller can
// add attributes of its own (such as the orientation inside an ActionPair). A null action writes
// nothing and gives a null element.
QDomElement writeActionElement(QDomDocument &document, const TabletActionPtr &action,
                               QDomElement &parent);
