#include "config/layout/TabletLayoutComponent.h"

TabletLayoutComponent::TabletLayoutComponent(std::int32_t type)
    : type(type)
{
}

TabletLayoutComponent::~TabletLayoutComponent() = default;
