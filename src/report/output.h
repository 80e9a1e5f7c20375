#pragma once
/// The results report: `answer.txt` and, record by record, the screen.

#include "driver/text/console.h"
#include "records/records.h"
#include "solutions/plate_results.h"
#include "stiffness/laminate_stiffness.h"

namespace veldran {

/// Writes the report to `answer.txt` in the working directory (its old
/// content replaced as a whole) and every record but the banner to the
/// screen.  A report file that cannot be made or written ends the run with a
/// diagnostic on unit 11 before any report record is shown.
void OUTPUT(const MaterialTable& mat, const PlyStack& ply, const PlateProblem& plate,
            const PrintOptions& print, const LaminateStiffness& stiff, const PlateResults& res);

namespace report {

/// Every record of the report: the banner to `file_only`, the rest to `both`.
void write_report(text::Out& file_only, text::Out& both, const MaterialTable& mat,
                  const PlyStack& ply, const PlateProblem& plate, const PrintOptions& print,
                  const LaminateStiffness& stiff, const PlateResults& res);

/// The banner, written to the report file only.
void write_banner(text::Out& out);

/// The problem data (materials, laminate, plate size, ply table) and the
/// stiffness matrices that the print options ask for.
void write_input_echo(text::Out& out, const MaterialTable& mat, const PlyStack& ply,
                      const PlateProblem& plate, const PrintOptions& print,
                      const LaminateStiffness& stiff);

/// The results block of the load case `LCASE`.
void write_results(text::Out& out, const PlateProblem& plate, const PlateResults& res);

} // namespace report
} // namespace veldran
