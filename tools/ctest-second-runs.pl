#!/usr/bin/perl
# Names the tests of a CTest run with --repeat until-pass:N that passed only after a failed
# run (flaky tests: they leave the run green), and says how many there were, "0" included.
#   perl ctest-second-runs.pl LABEL CTEST_OUTPUT_LOG
# Reads the result lines CTest writes for every run of a test,
#   "12/980 Test #12: Suite.Name .......   Passed    0.05 sec" (the first run) and
#   "       Test #12: Suite.Name .......***Failed    0.05 sec" (a repeated one),
# and reports a test that has a failed result before a passed one. Only reports: it exits 0
# whenever it could read the log.
use strict;
use warnings;

my ($label, $log) = @ARGV;
die "usage: ctest-second-runs.pl LABEL CTEST_OUTPUT_LOG\n" unless defined $log;
open my $fh, '<', $log or die "check: $label: no CTest log to look for second runs ($log: $!)\n";

my (%name, %failed, %late);
while (my $line = <$fh>) {
    next unless $line =~ /^\s*(?:\d+\/\d+\s+)?Test\s+#(\d+):\s+(\S+)\s+\.*\s*(.*?)\s+[\d.]+\s+sec\s*$/;
    my ($number, $test, $result) = ($1, $2, $3);
    $name{$number} = $test;
    if ($result eq 'Passed') {
        $late{$number} = 1 if $failed{$number};
    } else {
        $failed{$number} = 1;
    }
}
close $fh;

my @flaky = map { $name{$_} } sort { $a <=> $b } keys %late;
my $count = @flaky;
print "check: $label: tests that passed only on their second run: $count\n";
print "check:   $_\n" for @flaky;
exit 0;
