#include "faces/qt/app/ProgramHeader.h"

#include "program/Procedures.h"
#include "program/data/MainWindowTemplate.h"
#include "faces/qt/live/QtKinds.h"
#include "core/runtime/UnitTypeTable.h"
#include "values/Constants.h"

const ProgramHeader& TheProgramHeader()
{
    static const LibraryDescriptor* const libraries[] = {&QtLibrary()};
    static const ProgramHeader header = {
        .build_kind = 3,
        .word1 = 0,
        .word2 = 88348,
        .procedures = ProgramProcedures(),
        .constants = ConstantsBlock.bytes,
        .constants_size = kConstantsBlockSize,
        .window_template = MainWindowTemplate,
        .window_template_size = uint32_t(MainWindowTemplateSize),
        .library_count = 1,
        .libraries = libraries,
        .external_command_count = 0,
        .external_command_libraries = nullptr,
        .external_command_names = nullptr,
    };
    return header;
}
