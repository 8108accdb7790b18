#!/usr/bin/env perl
# The floors of the source tree, bottom up: a file includes only what stands on its own floor or
# below it, and a tool includes no other tool.
#     framework/  <  common/base/  <  common/items/  <  common/patterns/  <  common/flow/
#                 <  common/screens/  <  transfer/, debit/, localtax/  <  tools/
# A resource id header (resources/<folder>/...) stands with the folder it belongs to:
# resources/common/ with common/base/, resources/<tool>/ with that tool. Sources directly in
# common/ (outside a floor) are refused: every shared file has a floor.
#     perl tools/check-includes.pl [TOP]        exit 1 and one line a finding when any
use strict;
use warnings;
use File::Find;

my $top = shift // '.';
my %rank = ('framework' => 0, 'common/base' => 1, 'common/items' => 2, 'common/patterns' => 3,
            'common/flow' => 4, 'common/screens' => 5, 'common/ntserv' => 1,
            'transfer' => 6, 'debit' => 6, 'localtax' => 6, 'tools' => 7);
my %resource = ('resources/framework' => 'framework', 'resources/common' => 'common/base',
                'resources/transfer' => 'transfer', 'resources/debit' => 'debit',
                'resources/localtax' => 'localtax', 'resources/tools' => 'tools');

# The floor a path stands on, or undef for a path outside the floors (tests, system headers).
sub floor_of {
    my ($path) = @_;
    for my $f (sort { length($b) <=> length($a) } keys %resource) {
        return $resource{$f} if index($path, "$f/") == 0;
    }
    for my $f (sort { length($b) <=> length($a) } keys %rank) {
        return $f if index($path, "$f/") == 0;
    }
    return 'common' if $path =~ m{^common/[^/]+$};
    return undef;
}

my @findings;
my @files;
for my $dir (qw(framework common transfer debit localtax tools)) {
    next unless -d "$top/$dir";
    find({ no_chdir => 1, wanted => sub {
        push @files, $File::Find::name if -f && /\.(h|cpp|rc)$/;
    } }, "$top/$dir");
}
for my $file (sort @files) {
    (my $rel = $file) =~ s{^\Q$top\E/}{};
    my $from = floor_of($rel);
    if ($from eq 'common') {
        push @findings, "$rel: stands directly in common/; give it a floor";
        next;
    }
    open my $in, '<', $file or die "check-includes: $file: $!\n";
    while (my $line = <$in>) {
        next unless $line =~ /^\s*#\s*include\s+"([^"]+)"/;
        my $to = floor_of($1);
        next unless defined $to;
        my $what = "$rel:$.: includes $1";
        if ($to eq 'common') {
            push @findings, "$what, which stands directly in common/";
        } elsif ($rank{$to} > $rank{$from}) {
            push @findings, "$what, a floor above its own ($from)";
        } elsif ($rank{$to} == 6 && $rank{$from} == 6 && $to ne $from) {
            push @findings, "$what, another tool";
        }
    }
    close $in;
}
print "$_\n" for @findings;
printf "check-includes: %d files, %d findings\n", scalar @files, scalar @findings;
exit(@findings ? 1 : 0);
