not a GPS file
