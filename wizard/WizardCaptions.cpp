#include "wizard/WizardCaptions.h"

TWizardCaptions WizardCaptions(bool roof)
{
    if (roof)
        return { QStringLiteral("spojité zatížení (střešní desky, plechy...)"),
            QStringLiteral("osamělá břemena (krokve, vaznice,...)"), QStringLiteral("vlastní hmotnost vazníku"),
            QStringLiteral("vlastní hmotnost krokví"), QStringLiteral("střešní desky/plechy"),
            QStringLiteral("střešní plášť"), QStringLiteral("pochozí zatížení"), true };
    return { QStringLiteral("spojité zatížení (panely, desky)"), QStringLiteral("osamělá břemena (stropní žebra)"),
        QStringLiteral("vlastní hmotnost trámu"), QStringLiteral("vlastní hmotnost žeber"),
        QStringLiteral("stropní desky"), QStringLiteral("podlaha"), QStringLiteral("užitné zatížení"), false };
}
