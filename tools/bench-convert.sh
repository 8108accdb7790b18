#!/usr/bin/env bash
# Benchmark of one conversion through the console harness (tools/convert): generates 50,000
# realistic general transfers as a comma-separated file (about 150 bytes a line) and as a
# fixed-length file of the same data, a pattern master with a pattern for each and a requester
# master, and the same for 40,000 direct debits (the direct-debit tool's limit) with a consignor
# master, and 5,000 local-tax details (that tool's limit) with a requester master, then converts
# each file (three runs each) and prints the harness's figures.
# Usage: bash tools/bench-convert.sh [LINES [DEBIT_LINES [TAX_LINES]]]
#        (64-bit build; files in build/x86_64/bench)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
lines=${1:-50000}
debit_lines=${2:-40000}
tax_lines=${3:-5000}

build=build/x86_64
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake >/dev/null
cmake --build "$build" --target convert >/dev/null
bench="$build/bench"
mkdir -p "$bench"

# Everything is written as CP932 (Shift-JIS) with CR LF, as the customers' files and the
# masters are.
perl - "$bench" "$lines" "$debit_lines" "$tax_lines" <<'PERL'
use strict;
use warnings;
use utf8;
use Encode qw(encode);
my ($dir, $lines) = @ARGV;
srand(20261210);
my @kana = split //, 'ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ';
my @alnum = ('A' .. 'Z', '0' .. '9');
sub pick { my ($set, $n) = @_; join '', map { $set->[int rand @$set] } 1 .. $n }
sub digits { my $n = shift; join '', map { int rand 10 } 1 .. $n }
sub name { my $n = shift; my $s = pick(\@kana, int($n / 2)) . ' ' . pick(\@kana, $n - int($n / 2) - 1); $s }
sub commas { my $n = shift; 1 while $n =~ s/^(\d+)(\d{3})/$1,$2/; $n }
sub put { my ($path, $text) = @_; open my $f, '>:raw', $path or die "$path: $!"; print $f encode('cp932', $text); close $f }
my @types = ('普通', '当座', '貯蓄');
# Items in reading order, with the fixed-length widths.
my @width = (4, 15, 3, 15, 4, 7, 30, 10, 10, 10, 20, 10);
my ($csv, $dat) = ('', '');
for my $i (1 .. $lines) {
    my @item = (digits(4), name(8 + int rand 8), digits(3), name(6 + int rand 10),
                $types[int rand 3], digits(7), name(14 + int rand 17), 1 + int rand 2000000,
                pick(\@alnum, 10), pick(\@alnum, 10), '', '');
    if ($i % 3) { $item[10] = pick(\@alnum, 12 + int rand 9) } else { $item[11] = digits(10) }
    my @quoted = @item;
    $quoted[7] = commas($item[7]);  # "1,234,567"
    $csv .= join(',', map { "\"$_\"" } @quoted) . "\r\n";
    my $record = '';
    for my $k (0 .. 11) {
        my $bytes = length encode('cp932', $item[$k]);
        $record .= $k == 7 ? sprintf('%010d', $item[7]) : $item[$k] . (' ' x ($width[$k] - $bytes));
    }
    $dat .= $record . "\r\n";
}
put("$dir/bench.csv", $csv);
put("$dir/bench.dat", $dat);
# Pattern master: a comma-separated pattern (item k in column k) and a fixed-length one.
# Zero and blank amounts are errors; data format 2 (no title line); 120-byte records, CR LF.
my @options = ('1', '1', '2', '', '普通', '当座', '貯蓄', 'その他', '1', '1', '0', '1');
my @csvFields = ('01', '総合振込', '1', 'BENCH CSV', (map { ($_, "列$_") } 0 .. 11), @options);
my ($start, @fixedItems) = (1);
for my $k (0 .. 11) { push @fixedItems, $start, $width[$k]; $start += $width[$k] }
my @fixedOptions = @options;
$fixedOptions[3] = $start - 1;
my @fixedFields = ('01', '総合振込', '3', 'BENCH FIXED', @fixedItems, @fixedOptions);
put("$dir/mstKORXF301.ini", join('', map { '"' . join('","', @$_) . "\"\r\n" } \@csvFields, \@fixedFields));
put("$dir/mstKORXF302.ini", '"' . join('","', 'ﾍﾞﾝﾁｼｮｳｼﾞ(ｶ', '001', 'ﾎﾝﾃﾝ', '1', '1234567', 'BENCH', '0000012345', '1') . "\"\r\n");
# The direct debits, with the same helpers.
{
my $lines = $ARGV[2];
srand(20261211);
my @types = ('ﾌﾂｳ', 'ﾄｳｻﾞ', 'ﾉｳｾﾞｲ');
# The ten direct-debit items with their fixed-length widths; every debit is drawn at the bank.
my @width = (4, 15, 3, 15, 6, 7, 30, 10, 1, 20);
my ($csv, $dat) = ('', '');
for my $i (1 .. $lines) {
    my @item = ('0998', name(8 + int rand 8), digits(3), name(6 + int rand 10), $types[int rand 3],
                digits(7), name(14 + int rand 17), 1 + int rand 2000000, $i % 10 ? '' : '1',
                pick(\@alnum, 8 + int rand 13));
    my @quoted = @item;
    $quoted[7] = commas($item[7]);
    $csv .= join(',', map { "\"$_\"" } @quoted) . "\r\n";
    my $record = '';
    for my $k (0 .. 9) {
        my $bytes = length encode('cp932', $item[$k]);
        $record .= $k == 7 ? sprintf('%010d', $item[7]) : $item[$k] . (' ' x ($width[$k] - $bytes));
    }
    $dat .= $record . "\r\n";
}
put("$dir/debit.csv", $csv);
put("$dir/debit.dat", $dat);
# Fields 25-36: zero and blank amounts are errors, data format, record length, the customer's
# codes for types 1, 2, 3, 9, 120-byte records with CR LF, no title row, data from line 1.
my @options = ('1', '1', '2', '', 'ﾌﾂｳ', 'ﾄｳｻﾞ', 'ﾉｳｾﾞｲ', 'ｿﾉﾀ', '1', '1', '0', '1');
my @csvFields = ('03', '口座振込', '01', 'BENCH CSV', (map { ($_, "列$_") } 0 .. 9), @options);
my ($start, @fixedItems) = (1);
for my $k (0 .. 9) { push @fixedItems, $start, $width[$k]; $start += $width[$k] }
my @fixedOptions = @options;
$fixedOptions[3] = $start - 1;
my @fixedFields = ('03', '口座振込', '03', 'BENCH FIXED', @fixedItems, @fixedOptions);
put("$dir/mstKORDB301.ini", join('', map { '"' . join('","', @$_) . "\"\r\n" } \@csvFields, \@fixedFields));
put("$dir/mstKORDB302.ini", '"' . join('","', 'ﾍﾞﾝﾁｼｮｳｼﾞ(ｶ', '0000012345', '001', 'ﾎﾝﾃﾝ', '1', '1234567', 'BENCH') . "\"\r\n");
}
# The local-tax details: salary tax on every line, retirement tax on every tenth, and the
# payment figures their sums, so that every cross-item rule holds.
{
my $lines = $ARGV[3];
srand(20261212);
my @width = (6, 15, 15, 1, 5, 9, 5, 9, 5, 9, 3, 10, 9, 9);
my ($csv, $dat) = ('', '');
for my $i (1 .. $lines) {
    my ($count, $amount) = (1 + int rand 99, 1000 + int rand 9000000);
    my ($retired, $tax, $allowance, $municipal) = (0, 0, 0, 0);
    if ($i % 10 == 0) {
        ($retired, $tax) = (1, 1000 + int rand 900000);
        $allowance = $tax * 10;
        $municipal = int($tax * 0.6);
    }
    my @item = (digits(6), name(6 + int rand 9), pick(\@alnum, 4 + int rand 11), '0', $count,
                $amount, $retired, $tax, $count + $retired, $amount + $tax, $retired, $allowance,
                $municipal, $tax - $municipal);
    $csv .= join(',', @item[0 .. 3], map { '"' . commas($_) . '"' } @item[4 .. 13]) . "\r\n" if $i % 2;
    $csv .= join(',', @item) . "\r\n" unless $i % 2;
    my $record = '';
    for my $k (0 .. 13) {
        my $bytes = length encode('cp932', $item[$k]);
        $record .= $k >= 4 ? sprintf("%0$width[$k]d", $item[$k]) : $item[$k] . (' ' x ($width[$k] - $bytes));
    }
    $dat .= $record . "\r\n";
}
put("$dir/tax.csv", '"' . join('","', map { "列$_" } 0 .. 13) . "\"\r\n" . $csv);
put("$dir/tax.dat", $dat);
# Fields 32-42: no zero or blank handling, data format, record length, the three item sets,
# 120-byte records with CR LF; the comma-separated file has a title line above its data.
my @options = ('0', '0', '0', '', '1', '1', '1', '1', '1', '1', '2');
my @csvFields = ('99', '特別徴収地方税', '01', 'BENCH CSV', (map { ($_, '') } 0 .. 13), @options);
my ($start, @fixedItems) = (1);
for my $k (0 .. 13) { push @fixedItems, $start, $width[$k]; $start += $width[$k] }
my @fixedOptions = @options;
$fixedOptions[3] = $start - 1;
@fixedOptions[9, 10] = ('0', '1');
my @fixedFields = ('99', '特別徴収地方税', '03', 'BENCH FIXED', @fixedItems, @fixedOptions);
put("$dir/mstKORTX301.ini", join('', map { '"' . join('","', @$_) . "\"\r\n" } \@csvFields, \@fixedFields));
put("$dir/mstKORTX302.ini", '"' . join('","', 'ﾍﾞﾝﾁｼｮｳｼﾞ(ｶ', 'ｹｲﾘﾌﾞ', 'ﾄｳｷｮｳﾄﾁﾖﾀﾞｸ', '1-1') . "\"\r\r\n");
}
PERL
echo "bench: $lines lines; comma-separated $(stat -c %s "$bench/bench.csv") bytes" \
     "($(( $(stat -c %s "$bench/bench.csv") / lines )) a line), fixed-length $(stat -c %s "$bench/bench.dat") bytes"

export KOR_BUILD="$top/$build"
. tools/wine-env.sh
kor_wine_session
exe="$top/$build/programs/tools/convert.exe"
cd "$bench"
for input in bench.csv bench.dat; do
    pattern="BENCH CSV"
    [ "$input" = bench.dat ] && pattern="BENCH FIXED"
    for run in 1 2 3; do
        # One line a run: the harness's figures (see README, "Console harness").
        wine "$exe" xf mstKORXF301.ini "$pattern" mstKORXF302.ini BENCH 12 10 salary \
            "$input" "$input.out" | tr -d '\r' |
            awk -v name="$input" -v run="$run" '{ v[$1] = $2 }
                END { printf "%-9s run %d: stage %s, result %s, %s records, total %s, %s in error, read %s ms, write %s ms\n",
                      name, run, v["stage"], v["result"], v["count"], v["total"], v["errors"],
                      v["read_ms"], v["write_ms"] }'
    done
done
for input in debit.csv debit.dat; do
    pattern="BENCH CSV"
    [ "$input" = debit.dat ] && pattern="BENCH FIXED"
    for run in 1 2 3; do
        wine "$exe" db mstKORDB301.ini "$pattern" mstKORDB302.ini BENCH 12 10 \
            "$input" "$input.out" | tr -d '\r' |
            awk -v name="$input" -v run="$run" '{ v[$1] = $2 }
                END { printf "%-9s run %d: stage %s, result %s, %s records, total %s, %s in error, read %s ms, write %s ms\n",
                      name, run, v["stage"], v["result"], v["count"], v["total"], v["errors"],
                      v["read_ms"], v["write_ms"] }'
    done
done
for input in tax.csv tax.dat; do
    pattern="BENCH CSV"
    [ "$input" = tax.dat ] && pattern="BENCH FIXED"
    for run in 1 2 3; do
        rm -rf "$input.out" && mkdir "$input.out"
        wine "$exe" tx mstKORTX301.ini "$pattern" mstKORTX302.ini "$input" "$input.out" |
            tr -d '\r' |
            awk -v name="$input" -v run="$run" '$1 != "message" { v[$1] = $2 }
                END { printf "%-9s run %d: stage %s, result %s, %s details in %s files, tax paid %s, %s in error, read %s ms, write %s ms\n",
                      name, run, v["stage"], v["result"], v["count"], v["files"], v["total"],
                      v["errors"], v["read_ms"], v["write_ms"] }'
    done
done
