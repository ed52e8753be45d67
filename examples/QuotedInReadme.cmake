# Fails unless README holds the whole of TOUR, so that the tour people read is the one that runs.
file(READ ${README} readme)
file(READ ${TOUR} tour)
string(FIND "${readme}" "${tour}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${README} does not quote ${TOUR} whole: paste it again")
endif()
