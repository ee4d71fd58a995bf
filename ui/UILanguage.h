#pragma once

// A window part that sets its translated texts again when the interface language changes.
class UILanguage
{
public:
    virtual ~UILanguage() = default;

    // Every translated text of the object: its form's and those it sets itself.
    virtual void retranslate() = 0;
};
