#include "config/layout/SupportedModel.h"

const std::vector<SupportedModel> &supportedModels()
{
    static const std::vector<SupportedModel> models = {
        {"QZ-Pen 4", false, nullptr},
        {"QZ-Pen 5", false, nullptr},
        {"QZ-Pen 5 S", false, "QZ-Pen 5"},
        {"QZ-Pen 6", false, nullptr},
        {"QZ-Pen 8", false, nullptr},
        {"QZ-Pen 10", false, nullptr},
        {"QZ-Pen 12", false, nullptr},
        {"QZ-Pen 6 Dial", false, nullptr},
        {"QZ-Pen 8 Dial", false, nullptr},
        {"QZ-Pen 10 Touch", false, nullptr},
        {"QZ-Pen 8 Touch", false, nullptr},
        {"QZ-Pen 12 Dial", false, nullptr},
        {"QZ-Pen 4 Pro", false, nullptr},
        {"QZ-Pen 6 Pro", false, nullptr},
        {"QZ-Pen 7 Pro", false, nullptr},
        {"QZ-Pen 9 Pro", false, nullptr},
        {"QZ-Pen 10 Pro", false, nullptr},
        {"QZ-Pen 11 Pro", false, nullptr},
        {"QZ-Pen 12 Pro", false, nullptr},
        {"QZ-Pen 13 Pro", true, nullptr},
        {"QZ-Pen 14 Pro", false, nullptr},
        {"QZ-Pen 16 Pro", false, nullptr},
        {"QZ-Canvas 12", false, nullptr},
        {"QZ-Canvas 13", false, nullptr},
        {"QZ-Canvas 13 Touch", false, nullptr},
        {"QZ-Canvas 13 Pro", false, nullptr},
        {"QZ-Canvas 15", false, nullptr},
        {"QZ-Canvas 16", false, nullptr},
        {"QZ-Canvas 16 Pro", false, nullptr},
        {"QZ-Canvas 22", false, nullptr},
        {"QZ-Canvas 22 Pro", false, nullptr},
        {"QZ-Canvas 24 Pro", false, nullptr},
        {"QZ-Canvas 27 Pro", false, nullptr},
        {"QZ-Canvas 32 Pro", false, nullptr},
    };
    return models;
}

const std::vector<const char *> &supportedPenIds()
{
    static const std::vector<const char *> pens = {"p01", "p02", "p03", "p05", "p09", "p10"};
    return pens;
}
