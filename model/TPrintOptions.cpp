#include "model/TTask.h"

// The print tab as the program starts: checked boxes and the four disabled layout options.
TPrintOptions::TPrintOptions()
{
    for (int box : { 2, 4, 6, 8, 10, 11, 14, 15, 18, 19 })
        Options[size_t(box)].Checked = true;
    for (int box : { 1, 19, 20, 21, 22 })
        Options[size_t(box)].Enabled = false;
}
