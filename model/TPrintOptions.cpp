#include "model/TTask.h"

// The print tab as the program starts: checked boxes, and the generator's data disabled until the
// wizard has generated loads.
TPrintOptions::TPrintOptions()
{
    using O = TPrintOption;
    for (O option : { O::LoadCases, O::LoadCaseForces, O::ForceDiagrams, O::DeflectionDiagram, O::Reactions,
             O::ForceCourses, O::Design, O::LoadCaseDeflections, O::LoadSchema, O::HatchedDiagrams })
        (*this)[option].Checked = true;
    (*this)[O::GeneratorData].Enabled = false;
}
