# The calculator's categories and their data files, read from data/pet-tables.tsv: the one
# list that the program, the install rules, the table generator and the tests all go by. Its
# rows are the categories (CalcPetType), numbered from 1 in the file's order.
#
# Sets GLIMMBAR_PET_TABLE_FILES (the data files, full paths) and writes
# ${PROJECT_BINARY_DIR}/generated/model/PetCategories.h for the pet roles' table and the calculator.
set(glimmbar_pet_tables_tsv ${CMAKE_CURRENT_LIST_DIR}/pet-tables.tsv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${glimmbar_pet_tables_tsv})

file(STRINGS ${glimmbar_pet_tables_tsv} glimmbar_pet_table_rows)
list(POP_FRONT glimmbar_pet_table_rows) # column names
set(GLIMMBAR_PET_TABLE_FILES)
set(glimmbar_pet_category_names)
set(glimmbar_pet_category_list)
set(glimmbar_pet_table_entries)
foreach(row IN LISTS glimmbar_pet_table_rows)
    string(REPLACE "\t" ";" cells "${row}")
    list(GET cells 0 category)
    list(GET cells 1 data_file)
    if(NOT category MATCHES "^[A-Za-z]+$" OR NOT data_file MATCHES "^[a-z0-9]+\\.txt$")
        message(FATAL_ERROR "pet-tables.tsv: bad row '${row}'")
    endif()
    list(APPEND GLIMMBAR_PET_TABLE_FILES ${CMAKE_CURRENT_LIST_DIR}/${data_file})
    if(NOT glimmbar_pet_category_names)
        set(glimmbar_pet_category_names "${category} = 1")
    else()
        string(APPEND glimmbar_pet_category_names ", ${category}")
    endif()
    string(APPEND glimmbar_pet_category_list "    CalcPetType::${category},\n")
    string(APPEND glimmbar_pet_table_entries "    u\"${data_file}\",\n")
endforeach()
list(LENGTH GLIMMBAR_PET_TABLE_FILES glimmbar_pet_category_count)

file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/generated/model/PetCategories.h CONTENT
"// Written by CMake from data/pet-tables.tsv; edit that file instead.
#pragma once

#include <array>

namespace glimmbar {

// The calculator's pet categories, numbered from 1 in the order data/pet-tables.tsv lists them.
enum class CalcPetType { @glimmbar_pet_category_names@ };

inline constexpr std::array<CalcPetType, @glimmbar_pet_category_count@> kCalcPetTypes = {
@glimmbar_pet_category_list@};

// Each category's data file, in the same order.
inline constexpr std::array<const char16_t*, @glimmbar_pet_category_count@> kPetTableFiles = {
@glimmbar_pet_table_entries@};

} // namespace glimmbar
" @ONLY)
