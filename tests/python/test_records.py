import copy
import math
import struct

import pytest

import loomset as L


def s(*values): return struct.pack(f"<{len(values)}h", *values)
def l(*values): return struct.pack(f"<{len(values)}i", *values)
def f(x, y): return struct.pack("<2f", x, y)
def st(name): return s(len(name)) + name


def flat(value):
    if isinstance(value, (tuple, list)):
        return [x for item in value for x in flat(item)]
    return [value]


def near(got, want): return flat(got) == pytest.approx(flat(want), abs=1e-9)


SEGMENT = ((0, 0), (3, 4), (7, 4), (10, 0))
SEGMENT_BYTES = f(0, 0) + f(3, 4) + f(7, 4) + f(10, 0)
DEFAULT_MOTIF = s(3) + f(1, 0) + s(1) + f(1, 0) + s(0)
BEZIER = L.BezierPattern(reference=(10, 0), segments=[SEGMENT])
BEZIER_BYTES = s(1) + f(10, 0) + s(1) + SEGMENT_BYTES + s(0)

# Each record with the bytes that the library's own tests expect of it.
ROWS = [
    (L.DirectionPattern(), DEFAULT_MOTIF),
    (L.FillPattern(b"A\xbb", stitch_length=-30, offsets=[25, 200]),
     bytes([1, 0, 2, 0, ord("A"), 0xBB, 0xE2, 0xFF, 2, 0, 25, 0, 200, 0])),
    (L.ProgrammedPattern(), bytes([1, 0, 0, 0, 0, 0])),
    (L.ProgrammedPattern("P", description=[(b"Blue", L.DirectionPattern())]),
     s(1) + st(b"P") + s(1) + st(b"Blue") + DEFAULT_MOTIF),
    (BEZIER, BEZIER_BYTES),
    (L.BezierPattern(reference=(10, 0), segments=[SEGMENT], closed=-2),
     s(1) + f(10, 0) + s(1) + SEGMENT_BYTES + s(-2)),
    (L.WavePattern("W", pattern=BEZIER), s(1) + st(b"W") + BEZIER_BYTES),
    (L.VectorPattern("V", dimension=(10, -20), curves=[[SEGMENT], []]),
     s(2) + st(b"V") + l(10, -20, 2, 1) + SEGMENT_BYTES + l(0)),
]


@pytest.mark.parametrize("record,data", ROWS)
def test_records_write_the_expected_bytes_and_read_back_equal(record, data):
    cls = type(record)
    assert record.to_bytes() == data
    again = cls.from_bytes(bytearray(data))
    assert again == record and not again != record
    assert again.to_bytes() == data and str(again) == str(record) and str(record)
    assert L.read_records(cls.family, memoryview(data * 3)) == [record] * 3
    assert cls.family in L.families_reading_whole(data)
    assert copy.deepcopy(record) == record and repr(record).startswith("<" + cls.__name__)


def test_worked_placements_boxes_and_scaling():
    motif = L.DirectionPattern(reference=(2, 0), entries=[((1, 0), 0), ((1, 1), 1)])
    assert motif.entries == [((1, 0), 0), ((1, 1), 1), ((0, -1), 1)] and motif.contains_jump
    assert near(motif.place((0, 0), (0, 5)), [(0, 1, 0), (-1, 1, 1), (1, 0, 1)])
    assert near(motif.place((0, 0), (0, 5), reverse=True), [(1, 0, 1), (-1, 1, 1), (0, 1, 0)])
    motif.mirrored = motif.mirrored = True  # set twice: a flag is set, not toggled
    assert near(motif.place((0, 0), (0, 5))[0][2:], [1]) and motif.mirrored and not motif.flipped
    box = L.DirectionPattern(entries=[((1, 2), 0), ((1, -3), 0), ((1, 1), 0)], flipped=True)
    box.flipped = True
    assert box.flipped and box.reference == (3, 0) and box.box() == ((0, -1), (3, 2))
    assert box.box(reverse=True) == ((3, -1), (0, 2))
    assert near(box.bounding_box((10, 10), (10, 20)), [(11, 10), (8, 10), (11, 13), (8, 13)])
    assert near(box.bounding_box((10, 10), (10, 20), True), [(9, 7), (12, 7), (9, 10), (12, 10)])
    assert box.bounding_box((5, 5), (5, 5)) == ((5, 4), None, None, (8, 7))
    three = L.DirectionPattern(entries=[((1, 0), 0), ((1, 1), 1), ((1, -1), 0)])
    three.scale(2.0)
    assert three.entries == [((1, 0), 0), ((1, 2), 1), ((1, -2), 0)]
    three.set_motif([((0, 2), 0), ((1, 2), 0), ((-1, 2), 0)], reference=(0, 6))
    assert near((three.reference, three.entries), ((6, 0), [((2, 0), 0), ((2, -1), 0), ((2, 1), 0)]))
    run = L.DirectionPattern(entries=[((2, 0), 0), ((1, 1), 0), ((1, -1), 0), ((2, 0), 0)])
    assert run.skip_end_point and near(run.scaled_size(), (80 / 3, 20 / 3))
    run.scale_to(x_scale=0.5, y_scale=2.0)
    assert near([e[0] for e in run.entries], [(20 / 3, 0), (10 / 3, 40 / 3), (10 / 3, -40 / 3),
                                              (20 / 3, 0)])
    assert near(BEZIER.place((5, 5), (5, 25)), (0, 10))
    assert near(BEZIER.place((5, 5), (5, 25), reverse=True), (0, 10))
    closed = L.BezierPattern(reference=(10, 0), segments=[((0, 0), (1, 1), (7, 1), (8, 1))])
    assert closed.segments[1] == ((8, 1), (8, 1), (10, 0), (10, 0))
    a, b = L.DirectionPattern(entries=[((1, 0), 0)]), L.DirectionPattern(entries=[((1, 0), 1)])
    assert a < b and b > a and not a > b and a != b


def test_properties_give_copies_and_set_through_the_library():
    fill = L.FillPattern("Brick", stitch_length=30, offsets=[25, 25, 50])
    assert (fill.old_offsets, fill.offsets) == ([0.25, 0.25, 0.5], [0.25, 0.75, 0.5])
    assert L.FillPattern(offsets=[111, 20]).random and not fill.random
    fill.name = "Brick »1"
    assert (fill.name, fill.name_text) == (b"Brick \xbb1", "Brick »1")
    assert fill.same_pattern(L.FillPattern("x", stitch_length=30, offsets=[25, 25, 50]))
    assert fill != L.FillPattern("x", stitch_length=30, offsets=[25, 25, 50])
    wave = L.WavePattern("W", pattern=BEZIER)
    held = wave.pattern
    held.mirrored = True
    assert not wave.pattern.mirrored and wave.pattern == BEZIER
    vector = L.VectorPattern("V")
    vector.dimension, vector.curves = (7, 8), [[SEGMENT, SEGMENT]]
    assert vector.dimension == (7, 8) and vector.curves == [[SEGMENT, SEGMENT]]
    program = L.ProgrammedPattern("P")
    program.description = [("Red", L.DirectionPattern(reference=(0, 6)))]
    assert program.description[0][0] == b"Red"
    assert near(program.description[0][1].entries, [((6, 0), 0)])


def test_every_error_is_an_exception_that_says_what():
    good = L.DirectionPattern().to_bytes()
    cases = [
        (lambda: L.DirectionPattern.from_bytes(b""), (1, 0, "truncated")),
        (lambda: L.read_records("direction", good + good[:5]), (2, len(good), "truncated")),
        (lambda: L.read_records("wave", s(7)), (1, 0, "unknown version 7")),
        (lambda: L.DirectionPattern.from_bytes(s(3) + f(1, 0) + s(1) + f(math.inf, 0) + s(0)),
         (1, 0, "invalid value")),
    ]
    for call, (record, offset, reason) in cases:
        with pytest.raises(L.StreamError) as caught:
            call()
        assert (caught.value.record, caught.value.offset, caught.value.reason) == (
            record, offset, reason) and reason in str(caught.value)
    assert caught.value.records == []
    with pytest.raises(L.StreamError) as caught:
        L.read_records("direction", good + good[:5])
    assert caught.value.records == [L.DirectionPattern()]
    for call, error in [
        (lambda: L.DirectionPattern.from_bytes(good * 2), ValueError),
        (lambda: L.read_records("knit", good), ValueError),
        (lambda: L.DirectionPattern(entries=[((1, 0), 0)] * 32768).to_bytes(), ValueError),
        (lambda: L.FillPattern(3), TypeError),
        (lambda: L.FillPattern("€"), UnicodeEncodeError),
        (lambda: L.FillPattern(stitch_length=40000), ValueError),
        (lambda: L.FillPattern(offsets=[256]), ValueError),
        (lambda: L.BezierPattern(segments=[((0, 0), (1, 1), (2, 2))]), ValueError),
        (lambda: L.ProgrammedPattern(description=[(b"T", L.DirectionPattern(), 1)]), ValueError),
    ]:
        with pytest.raises(error):
            call()
