# SPDX-License-Identifier: GPL-3.0-or-later
# Sets IMAGE_SCN_MEM_WRITE on the .idata section of the PE program named: see delay-load.cmake.
use strict;
use warnings;
my $path = shift or die "usage: idata-writable.pl PROGRAM\n";
open(my $fh, '+<:raw', $path) or die "$path: $!\n";
my $read = sub { my ($at, $n) = @_; seek($fh, $at, 0); read($fh, my $b, $n) == $n or die "$path: short\n"; $b };
my $pe = unpack('V', $read->(0x3c, 4));
die "$path: not a PE program\n" unless $read->($pe, 4) eq "PE\0\0";
my ($sections, $optional) = unpack('v x12 v', $read->($pe + 6, 16));
my $table = $pe + 24 + $optional;
for my $i (0 .. $sections - 1) {
    my $at = $table + 40 * $i;
    next unless unpack('Z8', $read->($at, 8)) eq '.idata';
    my $flags = unpack('V', $read->($at + 36, 4)) | 0x80000000;
    seek($fh, $at + 36, 0);
    print $fh pack('V', $flags);
    close($fh) or die "$path: $!\n";
    exit 0;
}
die "$path: no .idata section\n";
