import pytest

import loomset as L

RECORDS = {cls.family: cls for cls in
           (L.FillPattern, L.ProgrammedPattern, L.WavePattern, L.VectorPattern)}


def test_mangle_and_unmangle_names():
    for name, mangled in [(b"N", b"N \xbb1"), (b"N \xbb4", b"N \xbb5"), (b"N \xbb9", b"N \xbb\xbb1"),
                          (b"", b" \xbb1"), ("Brick »1", b"Brick \xbb2")]:
        assert L.mangle_name(name) == mangled
    assert (L.unmangle_name(b"abc"), L.unmangle_name("Brick")) == (b"", b"ck")
    assert L.name_text(bytearray(b"A \xbb1\x00")) == "A »1\x00"


def test_a_clashing_design_pattern_is_renamed_and_aliased():
    m, design = L.gFillManager, L.Design()
    library = L.FillPattern("Py Brick", stitch_length=30, offsets=[0, 50])
    m.add(library)
    m.design = design
    assert m.design == design and m.design != L.Design() and "Py Brick" in m
    incoming = L.FillPattern("Py Brick", stitch_length=31)
    assert m.add_and_rename(incoming, design) == b"Py Brick \xbb1" == incoming.name
    assert sorted(m.names(design)) == [b"Py Brick", b"Py Brick \xbb1"]
    assert m.lookup("Py Brick") == library and m.lookup("Py Brick", None) == library
    assert m.lookup_original(b"Py Brick") == incoming == m.lookup("Py Brick »1", design)
    assert list(m).count(b"Py Brick \xbb1") == 1 and b"Py Brick" in m.names()
    assert "TnFillPattern [Py Brick »1]" in m.text(design) and m.text(L.Design()) == ""
    assert m.add_and_rename(L.FillPattern("Py Brick", stitch_length=30, offsets=[0, 50])) \
        == b"Py Brick"
    with pytest.raises(L.NameTakenError) as caught:
        m.add_and_rename(L.FillPattern("Py Brick", stitch_length=32), design)
    assert (caught.value.code, caught.value.name) == (1, b"Py Brick \xbb1")
    m.remove_aliases(design)
    assert m.names(design) == [b"Py Brick \xbb1"]
    assert m.remove(b"Py Brick \xbb1") == design and m.names(design) == []
    assert m.remove(library) is None and m.lookup("Py Brick") is None
    m.remove_design(design)
    m.design = None
    assert m.design is None


@pytest.mark.parametrize("name", list(L.managers))
def test_every_manager_adds_aliases_finds_and_removes(name):
    m, design = L.managers[name], L.Design()
    assert getattr(L, name) is m and repr(m) == f"<{type(m).__name__} {name}>"
    record = RECORDS[m.family](f"Py {name}")
    m.add(record)
    with pytest.raises(L.NameTakenError) as caught:
        m.add(record, design)
    assert (caught.value.code, caught.value.name) == (2, record.name)
    other = RECORDS[m.family]("Py other")
    m.alias(other, "Py alias", design)
    with pytest.raises(L.NameTakenError) as caught:
        m.alias(other, "Py alias", design)
    assert caught.value.code == 1
    assert record in m.patterns() and record in m.all_patterns()
    assert m.patterns(design) == [other, other] and m.all_patterns(design)[-2:] == [other] * 2
    assert m.lookup("Py alias", design) == other and m.lookup("Py alias") is None
    m.remove_design(design)
    assert m.lookup("Py other", design) is None
    m.remove(record)
    assert m.lookup(record.name, None) is None


def test_the_default_catalogue_loads_once():
    assert L.load_default_catalogue() is True and L.load_default_catalogue() is False
    assert L.gProgrammedPatManager.lookup("Cross Stitch").description
