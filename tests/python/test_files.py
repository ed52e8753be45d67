import os
import pathlib
import re
import subprocess

import pytest

import loomset as L

TOOL = os.environ.get("LOOMSET_TOOL")
CORPUS = pathlib.Path(os.environ.get("LOOMSET_CORPUS", "fuzz/corpus"))
CORPUS_FILES = sorted(CORPUS.glob("*/*"))


@pytest.mark.skipif(not TOOL, reason="LOOMSET_TOOL names the loomset tool")
def test_the_demo_files_read_print_and_write_as_the_tool_does(tmp_path):
    subprocess.run([TOOL, "demo", "--out", str(tmp_path)], check=True, capture_output=True)
    files = sorted(tmp_path.glob("*.stream"))
    assert [f.stem for f in files] == sorted(L.managers)
    for path in files:
        family = L.managers[path.stem].family
        records = L.read_file(path, family)
        assert L.read_file(str(path)) == records and L.families_reading_whole(path.read_bytes())[0] == family
        dump = subprocess.run([TOOL, "dump", "--record-text", family, str(path)], check=True,
                              capture_output=True)
        # The tool heads the file and each record with a line of its own, and shows names as UTF-8.
        texts = [line for line in dump.stdout.split(b"\n")[1:] if not re.match(rb"record \d+ at byte", line)]
        assert "".join(map(str, records)) == b"\n".join(texts).decode("utf-8")
        assert b"".join(r.to_bytes() for r in records) == path.read_bytes()
    cut = tmp_path / "cut.stream"
    cut.write_bytes(path.read_bytes()[:-1])
    with pytest.raises(L.StreamError, match=f"^{cut}: record {len(records)} at byte"):
        L.read_file(cut, family)
    cut.write_bytes(b"\x07\x00")
    with pytest.raises(ValueError, match="no family reads"):
        L.read_file(cut)
    with pytest.raises(FileNotFoundError):
        L.read_file(tmp_path / "none.stream")


@pytest.mark.parametrize("path", CORPUS_FILES, ids=lambda p: f"{p.parent.name}/{p.name}")
def test_the_fuzz_corpora_read_or_fail_cleanly(path):
    data = path.read_bytes()
    family = path.parent.name.split("_")[1]
    guessed = L.families_reading_whole(data)
    if guessed:
        assert {record.family for record in L.read_file(path)} <= {guessed[0]}
    for each in [family] if family in L.FAMILIES else L.FAMILIES:
        try:
            records = L.read_records(each, data)
            assert each in guessed and all(r.family == each for r in records)
        except L.StreamError as error:
            assert each not in guessed and error.reason.split(" ")[0] in (
                "truncated", "invalid", "unknown") and 0 <= error.offset < len(data)


def test_every_public_name_has_a_docstring_and_a_type_stub():
    assert len(CORPUS_FILES) > 500
    stub = pathlib.Path(L.__file__).with_name("loomset.pyi").read_text()
    declared = set(re.findall(r"^(?:class |def )?(\w+)", stub, re.M))
    public = {name for name in dir(L) if not name.startswith("_")}
    assert public <= declared
    for name in public - {"FAMILIES", "managers"}:
        assert len(getattr(L, name).__doc__ or "") > 40, name
    for cls, own in [(L.FillPattern, "TnFillPattern"), (L.DirectionPattern, "TnDirectionPattern"),
                     (L.GVecPatTable, "GVecPatTable"), (L.BezierPattern, "TnBezierPattern")]:
        assert own in cls.__doc__
    assert "gFillManager" in L.__doc__
