#!/usr/bin/env python3
"""Writes the pet calculator's data files from the pet nano reference table.

Usage: scripts/make_pet_tables.py [REFERENCE_TSV] [DATA_DIR]
(defaults: ../shared/reference/pet-nanos.tsv beside the clone, and data/ in the clone).

Which reference category goes into which file, and the file's heading, come from
data/pet-tables.tsv, the list the program and its install rules are built from.

Each file: a heading line, the no-pet placeholder (QL -2, requirement 0), every pet nano of
the category by ascending requirement (nanos with equal requirements keep the reference's
order), the end placeholder (QL -1, above the calculator's highest skill of 3000), and the
"end" record that stops the reader. Windows-1252 with CR LF line ends, as the program reads.
"""
import csv
import os
import sys


def read_categories(path):
    """(reference category, file name, what the heading calls it) for each calculator table."""
    with open(path, encoding="utf-8", newline="") as f:
        return [(row["reference_category"], row["data_file"], row["heading"])
                for row in csv.DictReader(f, delimiter="\t")]

NO_PET = ("(no pet)", -2, 0)
END_OF_TABLE = ("(no further pet)", -1, 9999)
END_RECORD = ("end", -1, 9999)


def read_reference(path):
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f, delimiter="\t"))
    pets = {}
    for row in rows:
        pets.setdefault(row["category"], []).append(
            (row["nano_name"], int(row["ql"]), int(row["requirement"])))
    return pets


def table_lines(heading, pets):
    ordered = sorted(pets, key=lambda pet: pet[2])  # sorted() is stable
    lines = [f"Glimmbar pet table: {heading} requirement (name, QL, requirement)"]
    for name, ql, requirement in [NO_PET, *ordered, END_OF_TABLE, END_RECORD]:
        if "&" in name:
            sys.exit(f"the calculator's labels would show '&' as an access key: {name!r}")
        if name == "end" and (name, ql, requirement) != END_RECORD:
            sys.exit(f"a pet named exactly 'end' would stop the reader: {name!r}")
        if not 0 <= requirement <= 3000 and (name, ql, requirement) not in (END_OF_TABLE, END_RECORD):
            sys.exit(f"requirement out of the calculator's range: {name!r} {requirement}")
        lines += [name, str(ql), str(requirement)]
    return lines


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(here)
    reference = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        root, "..", "shared", "reference", "pet-nanos.tsv")
    out_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "data")
    categories = read_categories(os.path.join(root, "data", "pet-tables.tsv"))
    pets = read_reference(reference)
    unknown = set(pets) - {category for category, _, _ in categories}
    if unknown:
        sys.exit(f"unknown categories in the reference: {sorted(unknown)}")
    for category, file_name, heading in categories:
        lines = table_lines(heading, pets.get(category, []))
        if len(lines) > 1 + 3 * 500:
            sys.exit(f"{file_name}: more than 500 records")
        data = "".join(line + "\r\n" for line in lines).encode("cp1252")
        with open(os.path.join(out_dir, file_name), "wb") as f:
            f.write(data)
        print(f"{file_name}: {len(pets.get(category, []))} pets")


if __name__ == "__main__":
    main()
