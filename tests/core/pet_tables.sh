#!/bin/sh
# The calculator's tables in data/ are byte for byte what scripts/make_pet_tables.py makes from
# the reference table of pet nanos beside the clone. Without the reference the test is skipped.
set -eu
source_dir=$1
reference=$source_dir/../shared/reference/pet-nanos.tsv
if [ ! -f "$reference" ]; then
    echo "the pet nano reference table is not beside this clone"
    exit 77
fi
made=$(mktemp -d)
trap 'rm -rf "$made"' EXIT
python3 "$source_dir/scripts/make_pet_tables.py" "$reference" "$made" >/dev/null
tail -n +2 "$source_dir/data/pet-tables.tsv" | cut -f2 | while read -r table; do
    cmp "$made/$table" "$source_dir/data/$table"
done
