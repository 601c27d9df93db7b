"""The CSV file of the full verse table, read with Python's csv module,
holds the table's cells: 6237 records (the header row and 6236 verses),
each equal to the line of the tab-separated output."""
import csv
import os
import subprocess
import sys
import tempfile

cli = sys.argv[1]
with tempfile.TemporaryDirectory() as folder:
    name = os.path.join(folder, "verses")
    subprocess.run([cli, "export-csv", name], check=True, stdout=subprocess.DEVNULL)
    with open(name + ".csv", "rb") as f:
        raw = f.read()
    assert raw.startswith(b"\xef\xbb\xbf"), "no byte-order mark"
    with open(name + ".csv", newline="", encoding="utf-8-sig") as f:
        records = list(csv.reader(f))

tsv = subprocess.run([cli], check=True, capture_output=True).stdout.decode("utf-8")
rows = [line.split("\t") for line in tsv.split("\n")[1:-1]]

assert len(records) == 6237, len(records)
assert records == rows, next((i, r, t) for i, (r, t) in enumerate(zip(records, rows)) if r != t)

# The command line's csv output is the same table, without the mark.
out = subprocess.run([cli, "--format", "csv"], check=True, capture_output=True).stdout
assert out == raw[3:], "the csv output differs from the file"
print("6237 records equal to the table's cells")
