#pragma once
// The wizard's captions that follow the girder type (roof girder or floor girder).
#include <QString>

struct TWizardCaptions
{
    QString RadioButton1; // distributed load
    QString RadioButton2; // point loads
    QString Label23; // g0
    QString Label27; // g1
    QString Label31; // g2
    QString Label35; // g3
    QString Label52; // v1
    bool SnowShown = true; // the snow row (Label47 to Label50, Edit20, Edit21)
};

// The captions for a roof girder (RadioButton3) or a floor girder (RadioButton4).
TWizardCaptions WizardCaptions(bool roof);
