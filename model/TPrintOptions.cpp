#include "model/TTask.h"

// The print tab as the program starts: checked boxes and the four disabled layout options.
TPrintOptions::TPrintOptions()
{
    using O = TPrintOption;
    for (O option : { O::LoadCases, O::LoadCaseForces, O::ForceDiagrams, O::DeflectionDiagram, O::Reactions,
             O::ForceCourses, O::Design, O::LoadCaseDeflections, O::LoadSchema, O::HatchedDiagrams })
        (*this)[option].Checked = true;
    for (O option :
        { O::GeneratorData, O::HatchedDiagrams, O::AxisLabels, O::MergedForceDiagram, O::CombinationSchema })
        (*this)[option].Enabled = false;
}
