// The program's resource header, whose IDs ids.rh gives: the script named after the folder
// includes it first.
