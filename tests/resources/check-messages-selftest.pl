#!/usr/bin/perl
# Runs the message checker on the fixture folders and on faulty copies of the fixture master,
# list and named ids, and expects each fault to be reported (non-zero exit and the named line).
#   perl check-messages-selftest.pl tools/check-messages.pl tests/fixtures/messages
use strict;
use warnings;
use utf8;
use Encode ();
use File::Temp ();

my ($checker, $fixtures) = @ARGV;
die "usage: check-messages-selftest.pl CHECKER FIXTURE_DIR\n" unless defined $fixtures;

sub slurp {
    open my $fh, '<:raw', $_[0] or die "$_[0]: $!\n";
    local $/;
    return scalar <$fh>;
}
my $master = slurp("$fixtures/master.ini");
my $table  = slurp("$fixtures/message-ids.tsv");
my $ids    = slurp("$fixtures/MessageIds.h");

sub cp932 { Encode::encode('cp932', $_[0]) }

# Applies edit to the master line of the given id (the text between its CR LF).
sub master_line {
    my ($id, $edit) = @_;
    return sub {
        my @lines = split /\r\n/, $_[0], -1;
        for (@lines) { $edit->() if /\A"\Q$id\E",/ }
        return join "\r\n", @lines;
    };
}
sub table_line {
    my ($id, $edit) = @_;
    return sub {
        my @lines = split /\n/, $_[0], -1;
        for (@lines) { $edit->() if /\A\Q$id\E\t/ }
        return join "\n", @lines;
    };
}
sub ids_line {
    my ($name, $edit) = @_;
    return sub {
        my @lines = split /\n/, $_[0], -1;
        for (@lines) { $edit->() if /\b\Q$name\E = / }
        return join "\n", @lines;
    };
}
sub pad_to {
    my ($length) = @_;
    return sub { s/"\z/'x' x ($length - length($_)) . '"'/e };
}

my @cases = (
    { name => 'the fixture master and sources pass', sources => 'src-good', ok => 1,
      expect => [qr/6 ids, 6 named, 6 shown by the code and checked, 0 unused: OK/] },
    { name => 'a source uses ids the master lacks', sources => 'src-missing-id',
      ids_file => 'src-missing-id/MessageIds.h',
      expect => [qr{src-missing-id/MessageIds\.h:11: kMissing = 77, which the master lacks}] },
    { name => 'a named id the master lacks', ids => ids_line('kPages', sub { s/27/28/ }),
      expect => [qr{MessageIds\.h:7: kPages = 28, which the master lacks},
                 qr{MessageIds\.h: id 27 of the master has no name}] },
    { name => 'two names of one id', ids => ids_line('kUpdated', sub { s/72/70/ }),
      expect => [qr{MessageIds\.h:9: kUpdated names id 70, which kSamePath names too}] },
    { name => 'a name the ids file lacks', ids => ids_line('kQuoteOrComma', sub { $_ = '' }),
      expect => [qr{src-good/Screen\.cpp:\d+: Msg::kQuoteOrComma is not named in},
                 qr{MessageIds\.h: id 108 of the master has no name}] },
    { name => 'a source passes the wrong number of words', sources => 'src-wrong-count',
      expect => [qr{Screen\.cpp:7: Msg::kSamePath \(id 70\) is shown with 1 word\(s\); it takes 2},
                 qr{Screen\.cpp:8: Msg::kGoOn \(id 3\) is shown with 1 word\(s\); it takes 0 or 2},
                 qr{Screen\.cpp:9: Msg::kRequired \(id 10\) is shown with 0 word\(s\); it takes 1},
                 qr{Screen\.cpp:4 \(\.pages, shown at .*shared/Steps\.cpp:12\): Msg::kGoOn \(id 3\) is shown with 1 word},
                 qr{Screen\.cpp:4 \(\.nothing, shown at .*Steps\.cpp:12\): Msg::kUpdated \(id 72\) is shown with 1 word}] },
    { name => 'an id listed shown that no code shows', sources => 'src-unshown',
      expect => [qr{message-ids\.tsv:7: id 108 is listed shown, but no code names it}] },
    { name => 'an id listed unused that no code shows', sources => 'src-unshown', ok => 1,
      table => table_line(108, sub { s/\tshown\t/\tunused\t/ }),
      expect => [qr/6 ids, 6 named, 5 shown by the code and checked, 1 unused: OK/] },
    { name => 'an id listed unused that the code shows',
      table => table_line(108, sub { s/\tshown\t/\tunused\t/ }),
      expect => [qr{Screen\.cpp:\d+: Msg::kQuoteOrComma \(id 108\) is shown, but .*message-ids\.tsv:7 lists it unused}] },
    { name => 'a message shown by number', sources => 'src-by-number',
      expect => [qr{src-by-number/Screen\.cpp:11: ShowMessage names message 72 by number}] },
    { name => 'a line of 418 bytes', master => master_line(72, pad_to(418)), ok => 1,
      expect => [qr/: OK/] },
    { name => 'a line of 419 bytes', master => master_line(72, pad_to(419)),
      expect => [qr/master\.ini:5: 419 bytes, more than 418/] },
    { name => 'the last line without CR LF', master => sub { $_[0] =~ s/\r\n\z//r },
      expect => [qr/master\.ini:6: the last line does not end in CR LF/] },
    { name => 'a line ended by LF alone', master => sub { $_[0] =~ s/\r\n/\n/r },
      expect => [qr/master\.ini:1: a CR or LF that is not part of a CR LF line end/] },
    { name => 'the text holds ","', master => master_line(10, sub { s/%s/%s","/ }),
      expect => [qr/master\.ini:2: not four fields/] },
    { name => 'an id twice', master => master_line(27, sub { $_ .= "\r\n$_" }),
      expect => [qr/master\.ini:4: id 27 occurs twice/] },
    { name => 'ids out of order', master => sub { $_[0] =~ s/\A(.*?\r\n)(.*?\r\n)/$2$1/sr },
      expect => [qr/master\.ini:2: id 3 follows 10/] },
    { name => 'an id above 9999', master => master_line(108, sub { s/\A"108"/"10000"/ }),
      expect => [qr/master\.ini:6: id "10000" is not a number 0\.\.9999/] },
    { name => 'a type outside 0..5', master => master_line(27, sub { s/\A"27","1"/"27","6"/ }),
      expect => [qr/master\.ini:3: type "6" is not 0\.\.5/] },
    { name => 'an unknown icon', master => master_line(10, sub { s/"16"/"40"/ }),
      expect => [qr/master\.ini:2: icon "40" is not 16, 32, 48 or 64/] },
    { name => 'a text that is not CP932', master => master_line(72, sub { s/"\z/\x82"/ }),
      expect => [qr/master\.ini:5: the text is not valid CP932/] },
    { name => 'a conversion other than %s', master => master_line(27, sub { s/%s/%d/ }),
      expect => [qr/master\.ini:3: a "%" that is not "%s"/] },
    { name => 'a 0x5C second byte before n',
      master => master_line(72, sub { my $c = cp932('表'); s/"\z/${c}n"/ }),
      expect => [qr/master\.ini:5: a double-byte character ending in 0x5C is followed by "n"/] },
    { name => 'the table counts other words than the text',
      table => table_line(70, sub { s/\A70\t2/70\t1/ }),
      expect => [qr/message-ids\.tsv:5: id 70: the text takes 2 word\(s\), the table says 1/] },
    { name => 'the table gives no use', table => table_line(10, sub { s/\tshown\t/\t\t/ }),
      expect => [qr/message-ids\.tsv:3: not id, words \(e\.g\. 1 or 0,2\), type, icon, use/] },
    { name => 'the table lacks an id', table => table_line(72, sub { $_ = '' }),
      expect => [qr/message-ids\.tsv: id 72 of the master is missing/] },
    { name => 'the table gives another type', table => table_line(10, sub { s/\A10\t1\t0/10\t1\t1/ }),
      expect => [qr/message-ids\.tsv:3: id 10: type 1, the master has 0/] },
    { name => 'an empty master', master => sub { '' },
      expect => [qr/master\.ini: the master is empty/] },
);

my $scratch = File::Temp::tempdir(CLEANUP => 1);
my $failures = 0;
for my $case (@cases) {
    my $dir = File::Temp::tempdir(DIR => $scratch);
    for ([master => 'master.ini', $master], [table => 'message-ids.tsv', $table],
         [ids => 'MessageIds.h', $ids]) {
        my ($key, $file, $bytes) = @$_;
        if ($case->{$key}) {
            my $edited = $case->{$key}->($bytes);
            die "$case->{name}: the edit leaves $file unchanged\n" if $edited eq $bytes;
            $bytes = $edited;
        }
        open my $fh, '>:raw', "$dir/$file" or die "$dir/$file: $!\n";
        print $fh $bytes;
        close $fh;
    }
    my $sources = "$fixtures/" . ($case->{sources} // 'src-good');
    my $ids_path = $case->{ids_file} ? "$fixtures/$case->{ids_file}" : "$dir/MessageIds.h";
    open my $run, '-|', $^X, $checker, '--master', "$dir/master.ini",
        '--table', "$dir/message-ids.tsv", '--ids', $ids_path,
        '--sources', "$fixtures/shared", $sources
        or die "cannot run $checker: $!\n";
    my $output = do { local $/; <$run> } // '';
    close $run;
    my $status = $? >> 8;
    my @wrong;
    push @wrong, "exit status $status" if ($status == 0) != !!$case->{ok};
    push @wrong, "no line matching $_" for grep { $output !~ $_ } @{ $case->{expect} };
    if (@wrong) {
        $failures++;
        print "FAIL: $case->{name}: ", join('; ', @wrong), "\n$output\n";
    } else {
        print "ok: $case->{name}\n";
    }
}
printf "%d of %d cases passed\n", @cases - $failures, scalar @cases;
exit($failures ? 1 : 0);
